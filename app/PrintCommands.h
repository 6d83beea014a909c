// File > Print Channel List... and Export PDF...: the channel list on paper,
// in a print preview that prints it, or as a PDF file with the same pages.
// The page setup chosen in the preview holds for later PDFs too.
#pragma once

#include "CPrintOptionsDlg.h"
#include "ImageFormat.h"

#include <QObject>

#include <functional>
#include <memory>

class ChannelListPages;
class CVolmarenDoc;
class QPrinter;
class QWidget;

class CPrintCommands : public QObject {
    Q_OBJECT
public:
    // `kindInFront` tells which channel list the form shows in front.
    CPrintCommands(CVolmarenDoc& doc, QWidget* owner, std::function<ChannelKind()> kindInFront);
    ~CPrintCommands() override;

    void OnPrint();
    void OnExportPdf();

private:
    // Asks what to print; false when the person cancels.
    bool AskOptions(const QString& caption);
    ChannelListPages Pages() const;
    QPrinter& Printer();

    CVolmarenDoc& m_doc;
    QWidget* m_pOwner;
    std::function<ChannelKind()> m_kindInFront;
    CPrintOptionsDlg::Options m_options;
    std::unique_ptr<QPrinter> m_pPrinter;
};
