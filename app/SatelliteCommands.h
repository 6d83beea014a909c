// Adding, editing and deleting satellites from the form: the Add, Edit and
// Del buttons, the satellite list's double-click and its right-click menu.
#pragma once

#include <QObject>

class CListState;
class CVolmarenDoc;
class IFormLists;

class CSatelliteCommands : public QObject {
    Q_OBJECT
public:
    CSatelliteCommands(CVolmarenDoc& doc, CListState& state, IFormLists& form, QObject* parent);

    void OnMenu();
    void OnAdd(bool fromMenu);
    void OnEdit();
    void OnDelete();

private:
    CVolmarenDoc& m_doc;
    CListState& m_state;
    IFormLists& m_form;
};
