// Asks for the name of a new favourite group; run by Favorite Group Edit.
#pragma once

#include "EditDialog.h"
#include "ImageFormat.h"

#include <memory>

namespace Ui {
class GroupForm;
}

class CGroupAddDlg : public CEditDialog {
    Q_OBJECT

public:
    // `record` is zero-filled; the group will occupy slot `slot` (0..7), whose
    // number the proposed name carries. On OK the record holds the name.
    CGroupAddDlg(FavoriteGroupRecord& record, int slot, QWidget* parent = nullptr);
    ~CGroupAddDlg() override;

private Q_SLOTS:
    void OnOk();

private:
    std::unique_ptr<Ui::GroupForm> m_ui;
    FavoriteGroupRecord& m_record;
};
