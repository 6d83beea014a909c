// The compare window: what differs between our image and another side,
// grouped by table and kind of change, with a filter, our value beside
// theirs, and for a document "Take From Other" and "Take All", each one undo
// step. Keys: the arrows choose rows, Enter (or Alt+T) takes the selected
// ones, Ctrl+Z and Ctrl+Y undo and redo, Ctrl+F goes to the filter, Escape
// empties the filter or closes.
#pragma once

#include "Comparison.h"
#include "DifferenceModel.h"
#include "OtherSide.h"

#include <QDialog>

#include <functional>
#include <set>

class CChannelDatabase;
class CVolmarenDoc;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeView;

class CCompareWindow : public QDialog {
    Q_OBJECT
public:
    // Compares the document with `theirs` and offers "Take From Other" and
    // "Take All"; non-modal, stays open and recomputes after each take and after
    // every change of the document. `theirLabel` names the other side in the
    // window ("STB.dat.bak", "receiver 2026-12-07 17:42:05").
    static CCompareWindow* OpenForDocument(CVolmarenDoc& doc, Diff::OtherSide theirs,
                                           const QString& theirLabel, QWidget* parent);

    // Shows what differs between two images, read only (no take): for a
    // recovery copy against its saved file, or what the receiver holds against
    // what was sent. Modal: returns when the person closes the window.
    static void ShowImages(const CChannelDatabase& ours, const QString& ourLabel,
                           const CChannelDatabase& theirs, const QString& theirLabel, QWidget* parent);

    // While the document must not change (a transfer runs), nothing is taken.
    void AllowTakes(bool allowed);

    const Diff::Comparison& Comparison() const { return m_comparison; }
    QTreeView* DifferenceList() const { return m_pList; }
    QLineEdit* FilterField() const { return m_pFilter; }
    QPushButton* TakeButton() const { return m_pTake; }
    QPushButton* TakeAllButton() const { return m_pTakeAll; }

private:
    // `doc` is null for a read-only comparison of `ours`.
    CCompareWindow(CVolmarenDoc* doc, const CChannelDatabase& ours, const QString& ourLabel,
                   Diff::OtherSide theirs, const QString& theirLabel, QWidget* parent);
    void CreateControls();
    // The keys, the buttons and the list's choices.
    void ConnectInput();
    void FollowDocument();
    QString OurLabel() const;
    void ShowLabels();
    void Recompute();
    // Makes the rows anew with `remake`, keeping the groups the person folded
    // folded and the row they were on chosen.
    void Refill(const std::function<void()>& remake);
    void RestoreCurrent(const CDifferenceModel::GroupKey& key, int row);
    void TakeSelected();
    // Every difference but the system settings: they belong to the
    // receiver's owner, not to the channel list.
    void TakeAll();
    void Take(const std::vector<std::size_t>& chosen, const QString& label);
    void ShowCounts();
    void ShowDetails();
    void UpdateButtons();

    CVolmarenDoc* m_pDoc;
    const CChannelDatabase& m_ours;
    const Diff::OtherSide m_theirs;
    const QString m_ourLabel;  // a read-only comparison's; a document's is its file's name
    const QString m_theirLabel;
    Diff::Comparison m_comparison;
    bool m_bTakesAllowed = true;
    // The groups the person folded, kept folded when the rows are made anew.
    std::set<CDifferenceModel::GroupKey> m_folded;

    CDifferenceModel* m_pModel = nullptr;
    QLineEdit* m_pFilter = nullptr;
    QLabel* m_pCount = nullptr;
    QTreeView* m_pList = nullptr;
    QLabel* m_pDetails = nullptr;
    QPushButton* m_pTake = nullptr;
    QPushButton* m_pTakeAll = nullptr;
};
