// Why a transponder list is refused, and why an update from one changes
// nothing: shared by the editor, which shows them translated, and the
// command-line tool, which prints them in English. A number that is out of
// its range is told with Text::kCellNotNumber, naming the attribute or key.
#pragma once

namespace Text {

// satellites.xml that is no well-formed XML.
inline constexpr const char* kXmlBrokenTag = "not well-formed XML: a broken tag";
inline constexpr const char* kXmlBrokenAttribute = "not well-formed XML: a broken attribute";
inline constexpr const char* kXmlUnclosedElement =
    "not well-formed XML: an element that is not closed, or closed by another end tag";
inline constexpr const char* kXmlBrokenMarkup =
    "not well-formed XML: a broken comment, CDATA section, declaration or text";
inline constexpr const char* kXmlNoElement = "no XML element";
inline constexpr const char* kXmlTooLarge = "too large to read";
// satellites.xml that is well-formed: %1 is an element's name, %2 an attribute's.
inline constexpr const char* kXmlWrongRoot = "the first element is <%1>, not <satellites>";
inline constexpr const char* kXmlMissingAttribute = "<%1> has no %2 attribute";

// dvbv5 channel files.
inline constexpr const char* kDvbNotKeyValue = "neither [NAME] nor KEY = VALUE";
inline constexpr const char* kDvbBeforeFirstBlock = "KEY = VALUE before the first [NAME]";
// %1 is the block's name, %2 the key it lacks.
inline constexpr const char* kDvbMissingKey = "[%1] has no %2";
inline constexpr const char* kDvbUnknownSystem = "DELIVERY_SYSTEM '%1' is neither DVBS nor DVBS2";
inline constexpr const char* kDvbUnknownPolarization =
    "POLARIZATION '%1' is not HORIZONTAL, VERTICAL, LEFT or RIGHT";

// Applying an update: %1 is how many transponders it adds, %2 how many the
// table has room for.
inline constexpr const char* kTransponderRoom =
    "%1 transponders to add, but the transponder table has room for %2: nothing was changed";

}  // namespace Text
