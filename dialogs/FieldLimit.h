// The typing limit of a dialog's text or number field. A record can hold a
// longer text than a person may type (a receiver's own scan writes names up to
// the field's size), and such a text must be shown whole and written back as
// it was: the limit stops typing past it, it never cuts what the field was
// given. Every character must also fit the receiver's single bytes.
#pragma once

#include <QValidator>

class QLineEdit;

class FieldLimitValidator : public QValidator {
    Q_OBJECT
public:
    enum class Characters { Latin1, Digits };

    // `shownLength` is the length of the text the field is given.
    FieldLimitValidator(int limit, int shownLength, Characters characters, QObject* parent);

    State validate(QString& input, int& position) const override;

private:
    int m_nLimit;
    Characters m_characters;
    // A longer text than the limit may shrink, never grow: the length it may
    // still have, lowered as the person shortens it.
    mutable int m_nAllowed;
};

// Shows `text` in `edit` and limits typing there to `limit` characters.
void ShowLimitedText(QLineEdit* edit, const QString& text, int limit,
                     FieldLimitValidator::Characters characters = FieldLimitValidator::Characters::Latin1);
