#include "FieldLimit.h"

#include <QLineEdit>

#include <algorithm>

FieldLimitValidator::FieldLimitValidator(int limit, int shownLength, Characters characters, QObject* parent)
    : QValidator(parent), m_nLimit(limit), m_characters(characters), m_nAllowed(std::max(limit, shownLength))
{
}

QValidator::State FieldLimitValidator::validate(QString& input, int&) const
{
    for (const QChar c : std::as_const(input)) {
        const bool fits = m_characters == Characters::Digits ? c >= u'0' && c <= u'9' : c.unicode() <= 0xFF;
        if (!fits)
            return Invalid;
    }
    const int length = int(input.size());
    if (length > m_nAllowed)
        return Invalid;
    m_nAllowed = std::max(m_nLimit, length);
    return Acceptable;
}

void ShowLimitedText(QLineEdit* edit, const QString& text, int limit, FieldLimitValidator::Characters characters)
{
    edit->setValidator(new FieldLimitValidator(limit, int(text.size()), characters, edit));
    edit->setText(text);
}
