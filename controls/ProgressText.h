// Formats the text of the progress bar from its printf-like text format.
#pragma once

#include <QString>

// Only "%%" and one integer conversion kind ("%d" or "%i", with the flags
// "-+ 0" and a width below 100) are understood; any other '%' sequence is
// copied as it stands, because the format is data and not a trusted literal.
QString FormatProgressText(const QString& format, qint64 value);
