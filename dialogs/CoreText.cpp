#include "CoreText.h"

#include <QCoreApplication>

QString CoreText(const char* text)
{
    return QCoreApplication::translate("Text", text);
}

QString CoreText(const std::string& text)
{
    return CoreText(text.c_str());
}

QString CoreText(const PlaceholderText& message)
{
    return QString::fromStdString(Fill(CoreText(message.text).toStdString().c_str(), message.args));
}

QString CoreNumbers(const char* format, std::initializer_list<int> numbers)
{
    const QString translated = CoreText(format);
    const int* next = numbers.begin();
    QString text;
    for (qsizetype i = 0; i < translated.size(); ++i) {
        const QChar c = translated[i];
        const QChar after = i + 1 < translated.size() ? translated[i + 1] : QChar();
        if (c == QLatin1Char('%') && after == QLatin1Char('%')) {
            text += c;
            ++i;
        } else if (c == QLatin1Char('%') && after == QLatin1Char('d') && next != numbers.end()) {
            text += QString::number(*next++);
            ++i;
        } else {
            text += c;
        }
    }
    return text;
}
