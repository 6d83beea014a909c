#include "ProgressText.h"

namespace {

constexpr int kMaxWidthDigits = 2;

bool IsFlag(QChar c)
{
    return c == u'-' || c == u'+' || c == u' ' || c == u'0';
}

}  // namespace

QString FormatProgressText(const QString& format, qint64 value)
{
    QString result;
    const qsizetype size = format.size();
    qsizetype i = 0;
    while (i < size) {
        if (format[i] != u'%') {
            result += format[i++];
            continue;
        }
        if (i + 1 < size && format[i + 1] == u'%') {
            result += u'%';
            i += 2;
            continue;
        }
        qsizetype j = i + 1;
        while (j < size && IsFlag(format[j]))
            ++j;
        const qsizetype widthStart = j;
        while (j < size && format[j].isDigit() && j - widthStart < kMaxWidthDigits)
            ++j;
        const bool integer = j < size && (format[j] == u'd' || format[j] == u'i');
        if (!integer) {
            result += format[i++];
            continue;
        }
        const QString conversion = QLatin1Char('%') + format.mid(i + 1, j - i - 1) + QStringLiteral("lld");
        result += QString::asprintf(conversion.toLatin1().constData(), static_cast<long long>(value));
        i = j + 1;
    }
    return result;
}
