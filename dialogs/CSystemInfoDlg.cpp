#include "CSystemInfoDlg.h"

#include "EntryLists.h"
#include "UserPrompts.h"
#include "ui_CSystemInfoDlg.h"

#include <QCloseEvent>

namespace {

const char* const kLoseChanges =
    QT_TRANSLATE_NOOP("CSystemInfoDlg", "This will lost change data. Do you confirm ?");

template <std::size_t N>
void ShowChoice(QComboBox* list, const std::array<const char*, N>& entries, std::uint8_t stored)
{
    FillList(list, entries);
    list->setCurrentIndex(stored < N ? int(stored) : -1);
}

std::uint8_t StoredChoice(const QComboBox* list)
{
    return std::uint8_t(list->currentIndex());
}

}  // namespace

CSystemInfoDlg::CSystemInfoDlg(SystemInfo& info, QWidget* parent)
    : CEditDialog(parent), m_ui(std::make_unique<Ui::CSystemInfoDlg>()), m_info(info)
{
    m_ui->setupUi(this);
    const OkCancel buttons = FinishRecordForm();
    ShowChoice(m_ui->languageList, Entries::kMenuLanguages, info.menuLanguage);
    ShowChoice(m_ui->displayColorList, Entries::kDisplayColors, info.displayColor);
    ShowChoice(m_ui->textColorList, Entries::kTextColors, info.textColor);
    for (QComboBox* list : {m_ui->languageList, m_ui->displayColorList, m_ui->textColorList})
        connect(list, &QComboBox::currentIndexChanged, this, [this] { m_bUnchanged = false; });
    connect(buttons.ok, &QPushButton::clicked, this, &CSystemInfoDlg::OnOk);
    connect(buttons.cancel, &QPushButton::clicked, this, &CSystemInfoDlg::OnCancel);
}

CSystemInfoDlg::~CSystemInfoDlg() = default;

void CSystemInfoDlg::OnOk()
{
    m_info.menuLanguage = StoredChoice(m_ui->languageList);
    m_info.displayColor = StoredChoice(m_ui->displayColorList);
    m_info.textColor = StoredChoice(m_ui->textColorList);
    accept();
}

bool CSystemInfoDlg::MayDiscard()
{
    return m_bUnchanged || Prompts::AskYesNo(this, tr(kLoseChanges));
}

void CSystemInfoDlg::OnCancel()
{
    if (MayDiscard())
        reject();
}

void CSystemInfoDlg::closeEvent(QCloseEvent* event)
{
    if (!MayDiscard()) {
        event->ignore();
        return;
    }
    reject();
    event->accept();
}
