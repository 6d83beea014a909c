// Adding, editing and deleting transponders from the form: the ADD, Edit and
// DEL buttons, the transponder list's double-click and its right-click menu.
#pragma once

#include <QObject>

class CListState;
class CVolmarenDoc;
class IFormLists;

class CTransponderCommands : public QObject {
    Q_OBJECT
public:
    CTransponderCommands(CVolmarenDoc& doc, CListState& state, IFormLists& form, QObject* parent);

    void OnMenu();
    void OnAdd();
    void OnEdit();
    void OnDelete();
    // The DEL button: the selection is checked before the question.
    void OnDeleteButton();

private:
    // The transponder list's selection check shared by its commands.
    bool CheckOneOrMoreSelected();
    CVolmarenDoc& m_doc;
    CListState& m_state;
    IFormLists& m_form;
};
