// Update Transponders: one satellite of a public transponder list against
// one of ours, or a new one made from it, with the plan as a preview of one
// check box per row. The database must not change while the dialog is open.
#pragma once

#include "TransponderList.h"
#include "TransponderUpdate.h"

#include <QDialog>

#include <vector>

class CChannelDatabase;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

class CTransponderUpdateDlg : public QDialog {
    Q_OBJECT
public:
    // `sources`, at least one, are the satellites of the list read from
    // `fileName`.
    CTransponderUpdateDlg(const CChannelDatabase& db, std::vector<TransponderList::Satellite> sources,
                          const QString& fileName, QWidget* parent = nullptr);

    // The plan of the satellites chosen, with the rows the person checked.
    const TransponderUpdate::Plan& ChosenPlan() const { return m_plan; }

    QComboBox* SourceList() const { return m_pSource; }
    // Entry 0 is a new satellite, entry i + 1 our satellite i.
    QComboBox* OursList() const { return m_pOurs; }
    QCheckBox* IncludeS2() const { return m_pIncludeS2; }
    // One row per row of the plan, in its order.
    QTreeWidget* Rows() const { return m_pRows; }
    QLabel* Summary() const { return m_pSummary; }
    QPushButton* ApplyButton() const { return m_pApply; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const TransponderList::Satellite& Source() const;
    // Offers our satellites and a new one for the source, and chooses ours
    // by its position when a name of ours gives it.
    void OnSourceChosen();
    // The plan for the satellites chosen. `keepChecks` keeps what the person
    // checked in the rows both plans have, when only the options changed.
    void Replan(bool keepChecks);
    void FillRows();
    void ShowSummary();
    void OnRowChanged(QTreeWidgetItem* item);
    // Space: the selected rows all take the opposite of the current row's box.
    void ToggleSelectedRows();
    // Refuses what the receiver cannot hold and names the channels a
    // deletion takes with it before the dialog closes.
    void OnApply();

    const CChannelDatabase& m_db;
    std::vector<TransponderList::Satellite> m_sources;
    TransponderUpdate::Plan m_plan;
    QComboBox* m_pSource;
    QComboBox* m_pOurs;
    QCheckBox* m_pIncludeS2;
    QLabel* m_pNote;
    QTreeWidget* m_pRows;
    QLabel* m_pSummary;
    QPushButton* m_pApply = nullptr;
};
