// Read by lupdate only, never compiled: the texts that database/ and link/
// hand to the editor, which shows them through CoreText(); volmaren-cli prints
// them as they stand. tools/check-translations.sh fails while a constant of
// namespace Text or Cells is missing here.
//
// Left out, as they read the same in every language: the product name, the
// CA systems' names, the LNB frequencies and the DiSEqC switch ports.

const char* const kHeadlessTexts[] = {
    // database/SystemTexts.h
    QT_TRANSLATE_NOOP("Text", "WARNING : Volmaren"),
    QT_TRANSLATE_NOOP("Text", "File is not STB Data image."),
    QT_TRANSLATE_NOOP("Text", "Save changes to current STB file?"),
    QT_TRANSLATE_NOOP("Text", "Satellite Count is full."),
    QT_TRANSLATE_NOOP("Text", "Maximum number of 4000 Transponders can be Saved."),
    QT_TRANSLATE_NOOP("Text", "TV Channel is full"),
    QT_TRANSLATE_NOOP("Text", "Radio Channel is full"),
    QT_TRANSLATE_NOOP("Text", "Please enter a positive integer."),
    QT_TRANSLATE_NOOP("Text", "Please enter a number from 0 to 65535."),
    QT_TRANSLATE_NOOP("Text", "Satellite name is empty."),
    QT_TRANSLATE_NOOP("Text", "You don't input satellite information"),
    QT_TRANSLATE_NOOP("Text", "Transponder information is empty"),
    QT_TRANSLATE_NOOP("Text", "Channel Information is empty."),
    QT_TRANSLATE_NOOP("Text", "Channel Data is empty"),

    // database/FileTexts.h
    //: %1 is the file's path, %2 the system's reason.
    QT_TRANSLATE_NOOP("Text", "%1: %2"),
    //: %1 is the path of something that is no file (a folder, say).
    QT_TRANSLATE_NOOP("Text", "%1: not a regular file"),
    //: %1 is the file's path.
    QT_TRANSLATE_NOOP("Text", "%1: cannot be read"),
    //: %1 is the file's path.
    QT_TRANSLATE_NOOP("Text", "%1: cannot be written"),
    //: %1 is the file's path: writing to it stored no byte.
    QT_TRANSLATE_NOOP("Text", "%1: nothing written"),
    //: %1 is the path of the file that was to be kept as a backup.
    QT_TRANSLATE_NOOP("Text", "%1: cannot be read for its backup"),
    //: %1 is the path of the backup (ending in .bak), %2 the system's reason.
    QT_TRANSLATE_NOOP("Text", "%1: the file was saved, but its backup could not be kept: %2"),

    // link/TransferTexts.h
    QT_TRANSLATE_NOOP("Text", "Error : Set COM1 State"),
    QT_TRANSLATE_NOOP("Text", "Error : Close COM Port"),
    //: %d is the number of the COM port; keep it as %d.
    QT_TRANSLATE_NOOP("Text", "COM(%d) port Connect OK"),
    QT_TRANSLATE_NOOP("Text", "COM port Connect OK"),
    //: %1 is the device, e.g. /dev/ttyUSB0.
    QT_TRANSLATE_NOOP("Text",
                      "Permission denied: you may not open %1. Ask the administrator for access to it."),
    //: %1 is the device, %2 the group owning it, %3 the user; keep the command as it is.
    QT_TRANSLATE_NOOP("Text", "Permission denied: %1 belongs to the group %2. Add yourself "
                              "to it with \"sudo usermod -aG %2 %3\", then log out and back in."),
    //: %1 is the device; keep the command as it is.
    QT_TRANSLATE_NOOP("Text", "Device busy: %1 is in use by another program. Close that program "
                              "(\"fuser -v %1\" names it), then connect again."),
    //: %1 is the device.
    QT_TRANSLATE_NOOP("Text",
                      "No such device: %1. Check that the adapter is plugged in, or pick another port."),
    //: %1 is the device.
    QT_TRANSLATE_NOOP("Text", "Not a serial port: %1. Pick a port from the list of serial ports."),
    //: %1 is the device, %2 the system's reason.
    QT_TRANSLATE_NOOP("Text", "Cannot open %1: %2."),
    //: %1 is the device, %2 the system's reason.
    QT_TRANSLATE_NOOP("Text", "%1 does not take 115200 baud, 8N1: %2."),
    QT_TRANSLATE_NOOP("Text", "Reset your STB and Wait for uploading..."),
    QT_TRANSLATE_NOOP("Text", "Reset your STB and Wait for Downloading..."),
    QT_TRANSLATE_NOOP("Text", "Receiving DATA..."),
    //: Bytes received, bytes in all, and the percentage; keep the three %d in
    //: this order, and %% for the percent sign.
    QT_TRANSLATE_NOOP("Text", "(%d / %d) %d%%"),
    QT_TRANSLATE_NOOP("Text", "Sending DATA..."),
    QT_TRANSLATE_NOOP("Text", "Interupted by User.  Please Reset your STB."),
    QT_TRANSLATE_NOOP("Text", "Terminate by User. Please Reset your STB."),
    QT_TRANSLATE_NOOP("Text", "Download complete"),
    QT_TRANSLATE_NOOP("Text", "The last transfer is still ending. Please try again."),
    QT_TRANSLATE_NOOP("Text", "The transfer could not start: no worker thread."),
    QT_TRANSLATE_NOOP("Text", "No downloading data has been selected"),
    QT_TRANSLATE_NOOP("Text", "STB image File don't saved"),
    QT_TRANSLATE_NOOP("Text", "Invalid System Code"),
    QT_TRANSLATE_NOOP("Text", "Notice : Your current Bouquet data will be initialized"),

    // link/VerifyTexts.h
    QT_TRANSLATE_NOOP("Text", "Download complete. Reset your STB and Wait for verifying..."),
    QT_TRANSLATE_NOOP("Text", "Verified: the receiver holds exactly what was sent."),
    QT_TRANSLATE_NOOP("Text", "Not verified: the receiver holds other data than what was sent."),
    QT_TRANSLATE_NOOP(
        "Text", "Download complete, but not verified: the read-back was stopped. Please Reset your STB."),

    // database/HistoryTexts.h
    //: %1 is why: a path and the system's reason, e.g. "/home/ana/.local/share/volmaren/receiver: Permission
    //: denied".
    QT_TRANSLATE_NOOP("Text", "The image read from the receiver was not kept in the receiver history: %1"),
    //: %1 is why: the oldest image's path and the system's reason.
    QT_TRANSLATE_NOOP("Text", "The receiver history could not remove its oldest image: %1"),

    // database/CellText.h and the channel lists' headings
    QT_TRANSLATE_NOOP("Text", "'All Satellite'"),
    QT_TRANSLATE_NOOP("Text", "'All Transponder'"),
    //: Free to air: not scrambled.
    QT_TRANSLATE_NOOP("Text", "FTA"),
    //: The standard CA system.
    QT_TRANSLATE_NOOP("Text", "standard"),
    //: A reserved CA system.
    QT_TRANSLATE_NOOP("Text", "reserved"),
    //: Audio channel.
    QT_TRANSLATE_NOOP("Text", "LEFT"),
    //: Audio channel.
    QT_TRANSLATE_NOOP("Text", "RIGHT"),
    QT_TRANSLATE_NOOP("Text", "STEREO"),
    //: The channel is in no favourite group.
    QT_TRANSLATE_NOOP("Text", "NoGroup"),
    QT_TRANSLATE_NOOP("Text", "ON"),
    QT_TRANSLATE_NOOP("Text", "OFF"),
    //: Heading of the channel number.
    QT_TRANSLATE_NOOP("Text", "No"),
    QT_TRANSLATE_NOOP("Text", "Name"),
    QT_TRANSLATE_NOOP("Text", "Scramble"),
    QT_TRANSLATE_NOOP("Text", "Bouquet"),
    QT_TRANSLATE_NOOP("Text", "Favorite"),
    QT_TRANSLATE_NOOP("Text", "Audio"),
    //: Video PID.
    QT_TRANSLATE_NOOP("Text", "V-PID"),
    //: Audio PID.
    QT_TRANSLATE_NOOP("Text", "A-PID"),
    //: PCR PID.
    QT_TRANSLATE_NOOP("Text", "P-PID"),
    QT_TRANSLATE_NOOP("Text", "Lock"),
    QT_TRANSLATE_NOOP("Text", "Skip"),

    // database/ListTexts.h: channel lists refused, rows not added, image check findings
    QT_TRANSLATE_NOOP("Text", "text after a closing quote"),
    QT_TRANSLATE_NOOP("Text", "a quoted field is not closed"),
    QT_TRANSLATE_NOOP("Text", "a quote inside a field that does not start with one"),
    QT_TRANSLATE_NOOP("Text", "a carriage return outside quotes"),
    //: %1 is the header row of the CSV file; it stays as it is.
    QT_TRANSLATE_NOOP("Text", "the first row must be the header %1"),
    //: %1 is the number of columns in a row, %2 the number in the header.
    QT_TRANSLATE_NOOP("Text", "%1 columns where the header has %2"),
    //: Windows-1252 is the name of the Western European Windows code page; keep it.
    QT_TRANSLATE_NOOP("Text", "the list is not UTF-8 text: it was read as Windows-1252"),
    //: %1 is a column of the CSV file, named as in its header (name, bouquet...).
    QT_TRANSLATE_NOOP("Text", "%1 is not UTF-8 text"),
    //: %1 is a column of the CSV file, named as in its header; %2 the cell's text.
    QT_TRANSLATE_NOOP("Text", "%1 '%2' has a character the receiver cannot store (only Latin-1 ones)"),
    //: %1 is a column of the CSV file, named as in its header.
    QT_TRANSLATE_NOOP("Text", "%1 holds a NUL character"),
    //: %1 is a column of the CSV file, named as in its header; %2 the cell's
    //: text; %3 the most characters the receiver stores.
    QT_TRANSLATE_NOOP("Text", "%1 '%2' is longer than the receiver stores (%3 characters)"),
    //: %1 is a column of the CSV file, named as in its header, or an attribute
    //: or key of a transponder list (position, FREQUENCY...), which stays as it
    //: is; %2 the text; %3 and %4 the least and the greatest number.
    QT_TRANSLATE_NOOP("Text", "%1 '%2' is not a number from %3 to %4"),
    //: frequency_mhz is the column's name in the CSV file: keep it. %1 is the cell's text.
    QT_TRANSLATE_NOOP("Text", "frequency_mhz '%1' is not a frequency in MHz (at most three decimals)"),
    //: %1 is a column of the CSV file, named as in its header; %2 the cell's
    //: text; %3 and %4 the two words the column takes, which stay as they are.
    QT_TRANSLATE_NOOP("Text", "unknown %1 '%2' (%3 or %4)"),
    //: symbol_rate, polarization and frequency are columns of the CSV file:
    //: keep symbol_rate and polarization as they are.
    QT_TRANSLATE_NOOP("Text", "symbol_rate and polarization need a frequency"),
    //: scramble is a column of the CSV file: keep it. %1 is the cell's text.
    QT_TRANSLATE_NOOP("Text", "unknown scramble '%1'"),
    //: audio is a column of the CSV file; it and STEREO, RIGHT, LEFT stay as
    //: they are. %1 is the cell's text.
    QT_TRANSLATE_NOOP("Text", "unknown audio '%1' (STEREO, RIGHT or LEFT)"),
    //: %1 is the name of a favourite group.
    QT_TRANSLATE_NOOP("Text", "unknown group '%1'"),
    //: %1 is the name of a favourite group.
    QT_TRANSLATE_NOOP("Text", "group '%1' cannot be created: a group name has 1 to 7 characters"),
    //: A TV channel; %1 is its name.
    QT_TRANSLATE_NOOP("Text", "tv '%1'"),
    //: A radio channel; %1 is its name.
    QT_TRANSLATE_NOOP("Text", "radio '%1'"),
    //: Why a row of an imported list adds no channel.
    QT_TRANSLATE_NOOP("Text", "no transponder with this satellite, frequency and polarization"),
    //: Why a row of an imported list adds no channel: an earlier row added it.
    QT_TRANSLATE_NOOP("Text", "its channel is there already"),
    //: A record of the image, named by the image check; %1 is its index.
    QT_TRANSLATE_NOOP("Text", "satellite %1"),
    //: A record of the image, named by the image check; %1 is its index.
    QT_TRANSLATE_NOOP("Text", "transponder %1"),
    //: A record of the image, named by the image check; %1 is its index.
    QT_TRANSLATE_NOOP("Text", "tv channel %1"),
    //: A record of the image, named by the image check; %1 is its index.
    QT_TRANSLATE_NOOP("Text", "radio channel %1"),
    //: A favourite group record of the image; %1 is its index.
    QT_TRANSLATE_NOOP("Text", "group %1"),
    //: The record of the receiver's settings and counts in the image.
    QT_TRANSLATE_NOOP("Text", "system block"),
    //: The table's end record is missing.
    QT_TRANSLATE_NOOP("Text", "missing end record"),
    QT_TRANSLATE_NOOP("Text", "slot after the end is not empty"),
    QT_TRANSLATE_NOOP("Text", "deleted record left in the table"),
    QT_TRANSLATE_NOOP("Text", "deleted bouquet entry left in the table"),
    QT_TRANSLATE_NOOP("Text", "bouquet entry after the end is not zero"),
    //: %1 is the number the record's index field holds.
    QT_TRANSLATE_NOOP("Text", "index field is %1, not its position"),
    //: %1 is the index of a satellite.
    QT_TRANSLATE_NOOP("Text", "names satellite %1, which does not exist"),
    //: %1 is the index of a transponder.
    QT_TRANSLATE_NOOP("Text", "names transponder %1, which does not exist"),
    //: The name fills its field without the terminating NUL byte.
    QT_TRANSLATE_NOOP("Text", "name has no NUL"),
    QT_TRANSLATE_NOOP("Text", "bouquet name has no NUL"),
    //: %1 lists the numbers of the groups.
    QT_TRANSLATE_NOOP("Text", "member of unnamed group %1"),
    //: groupsInUse is the name of a field: keep it. %1 and %2 are hexadecimal numbers.
    QT_TRANSLATE_NOOP("Text", "groupsInUse is %1, the named groups make %2"),
    //: %1 is the slot of the earlier channel; PIDs are its packet identifiers.
    QT_TRANSLATE_NOOP("Text", "same transponder and PIDs as tv channel %1"),
    //: %1 is the slot of the earlier channel; PIDs are its packet identifiers.
    QT_TRANSLATE_NOOP("Text", "same transponder and PIDs as radio channel %1"),
    //: %1 is the name of a field of the record, which stays as it is; %2 its
    //: value, %3 the value the upkeep (the recount of the counts and
    //: positions) computes.
    QT_TRANSLATE_NOOP("Text", "%1 is %2, the upkeep makes it %3"),
    //: %1 is the index of a satellite; %2 and %3 are pairs "(tv, radio)" of
    //: list positions; the upkeep recounts the counts and positions.
    QT_TRANSLATE_NOOP("Text", "position pair of satellite %1 is %2, the upkeep makes it %3"),

    // database/CompareTexts.h: differences that cannot be taken from the other side
    //: %1 is the name of a channel of the other image or list.
    QT_TRANSLATE_NOOP("Text", "'%1' cannot be added: it is on no transponder."),
    //: %1 is the transponder's frequency in MHz and its polarization (H or V), e.g. "11362 H".
    QT_TRANSLATE_NOOP("Text", "The transponder %1 cannot be added: it belongs to no satellite."),
    //: %1 is the name of a favourite group that a channel list names.
    QT_TRANSLATE_NOOP("Text", "The group '%1' cannot be created: every favourite group is in use."),

    // database/EntryLists.h
    //: An LNB type.
    QT_TRANSLATE_NOOP("Text", "Standard Universal"),
    //: Voltage or 22 kHz tone chosen by the receiver.
    QT_TRANSLATE_NOOP("Text", "AUTO"),
    //: A DiSEqC choice.
    QT_TRANSLATE_NOOP("Text", "TONE A"),
    //: A DiSEqC choice.
    QT_TRANSLATE_NOOP("Text", "TONE B"),
    QT_TRANSLATE_NOOP("Text", "Vertical"),
    QT_TRANSLATE_NOOP("Text", "Horizontal"),
    //: A CA system.
    QT_TRANSLATE_NOOP("Text", "Standard"),
    //: A CA system.
    QT_TRANSLATE_NOOP("Text", "Reserved"),
    //: The receiver's menu language.
    QT_TRANSLATE_NOOP("Text", "English"),
    QT_TRANSLATE_NOOP("Text", "Arabic"),
    QT_TRANSLATE_NOOP("Text", "Turkish"),
    //: The receiver's menu language German.
    QT_TRANSLATE_NOOP("Text", "Germany"),
    QT_TRANSLATE_NOOP("Text", "French"),
    QT_TRANSLATE_NOOP("Text", "Italian"),
    QT_TRANSLATE_NOOP("Text", "Romanian"),
    QT_TRANSLATE_NOOP("Text", "Albanian"),
    QT_TRANSLATE_NOOP("Text", "Russian"),
    QT_TRANSLATE_NOOP("Text", "Bulgarian"),
    QT_TRANSLATE_NOOP("Text", "Serbian"),
    QT_TRANSLATE_NOOP("Text", "Persian"),
    QT_TRANSLATE_NOOP("Text", "Swedish"),
    //: A colour of the receiver's menus.
    QT_TRANSLATE_NOOP("Text", "Blue"),
    QT_TRANSLATE_NOOP("Text", "Green"),
    QT_TRANSLATE_NOOP("Text", "Yellow"),
    QT_TRANSLATE_NOOP("Text", "Purple"),
    QT_TRANSLATE_NOOP("Text", "Black"),
    QT_TRANSLATE_NOOP("Text", "White"),

    // database/TransponderTexts.h: transponder lists refused, updates refused
    //: A file that should be XML (a satellites.xml transponder list) breaks its rules.
    QT_TRANSLATE_NOOP("Text", "not well-formed XML: a broken tag"),
    QT_TRANSLATE_NOOP("Text", "not well-formed XML: a broken attribute"),
    QT_TRANSLATE_NOOP("Text",
                      "not well-formed XML: an element that is not closed, or closed by another end tag"),
    QT_TRANSLATE_NOOP("Text", "not well-formed XML: a broken comment, CDATA section, declaration or text"),
    QT_TRANSLATE_NOOP("Text", "no XML element"),
    //: A transponder list file that takes more memory than there is.
    QT_TRANSLATE_NOOP("Text", "too large to read"),
    //: %1 is the name of the file's first XML element; keep <satellites> as it is.
    QT_TRANSLATE_NOOP("Text", "the first element is <%1>, not <satellites>"),
    //: %1 is an XML element (sat, transponder), %2 an attribute (name,
    //: position, frequency...); both stay as they are.
    QT_TRANSLATE_NOOP("Text", "<%1> has no %2 attribute"),
    //: A line of a dvbv5 channel file; keep [NAME] and KEY = VALUE as they are.
    QT_TRANSLATE_NOOP("Text", "neither [NAME] nor KEY = VALUE"),
    //: Keep KEY = VALUE and [NAME] as they are.
    QT_TRANSLATE_NOOP("Text", "KEY = VALUE before the first [NAME]"),
    //: %1 is the name of a block of a dvbv5 channel file, %2 a key it lacks
    //: (FREQUENCY...), which stays as it is.
    QT_TRANSLATE_NOOP("Text", "[%1] has no %2"),
    //: %1 is the value of the line; keep DELIVERY_SYSTEM, DVBS and DVBS2 as they are.
    QT_TRANSLATE_NOOP("Text", "DELIVERY_SYSTEM '%1' is neither DVBS nor DVBS2"),
    //: %1 is the value of the line; keep POLARIZATION and the four words as they are.
    QT_TRANSLATE_NOOP("Text", "POLARIZATION '%1' is not HORIZONTAL, VERTICAL, LEFT or RIGHT"),
    //: %1 is how many transponders an update would add, %2 how many more the
    //: receiver's transponder table holds.
    QT_TRANSLATE_NOOP("Text", "%1 transponders to add, but the transponder table has room for %2: "
                              "nothing was changed"),
};
