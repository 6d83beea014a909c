// What a printed channel list holds: both lists or the one in front, and
// whether it is divided into one section per favourite group. Print Channel
// List and Export PDF ask it before they lay out the pages.
#pragma once

#include <QDialog>

class QCheckBox;
class QRadioButton;

class CPrintOptionsDlg : public QDialog {
    Q_OBJECT
public:
    struct Options {
        bool bothLists = true;  // the TV list, then the radio list; else the list in front
        bool groupSections = false;
    };

    // `radioInFront` names the list the second choice prints.
    CPrintOptionsDlg(const QString& caption, bool radioInFront, const Options& options,
                     QWidget* parent = nullptr);

    Options Chosen() const;

    QRadioButton* ListInFrontButton() const { return m_pListInFront; }
    QCheckBox* GroupSectionsBox() const { return m_pGroupSections; }

private:
    QRadioButton* m_pListInFront;
    QCheckBox* m_pGroupSections;
};
