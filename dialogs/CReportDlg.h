// A report too long for a message box: a summary above its lines, which
// scroll, with one Close button or an action button beside Cancel.
#pragma once

#include <QDialog>
#include <QStringList>

class QPlainTextEdit;

class CReportDlg : public QDialog {
    Q_OBJECT
public:
    // Without `acceptText` the report has only a Close button.
    CReportDlg(const QString& caption, const QString& summary, const QStringList& lines,
               const QString& acceptText, QWidget* parent = nullptr);

    QPlainTextEdit* Lines() const { return m_pLines; }

private:
    QPlainTextEdit* m_pLines;
};
