// Renames a favourite group; run by Favorite Group Edit.
#pragma once

#include "EditDialog.h"
#include "ImageFormat.h"

#include <memory>

namespace Ui {
class GroupForm;
}

class CGroupEditDlg : public CEditDialog {
    Q_OBJECT

public:
    // On OK the 8-byte name field of `record` holds the new name followed by
    // zeros; no other byte changes.
    explicit CGroupEditDlg(FavoriteGroupRecord& record, QWidget* parent = nullptr);
    ~CGroupEditDlg() override;

private Q_SLOTS:
    void OnOk();

private:
    std::unique_ptr<Ui::GroupForm> m_ui;
    FavoriteGroupRecord& m_record;
};
