// Adding, editing and deleting transponders from the form: the ADD, Edit and
// DEL buttons, the transponder list's double-click and its right-click menu.
#pragma once

#include <QObject>

class CListState;
class CVolmarenView;

class CTransponderCommands : public QObject {
    Q_OBJECT
public:
    explicit CTransponderCommands(CVolmarenView& view);

    void OnMenu();
    void OnAdd();
    void OnEdit();
    void OnDelete();

private:
    // The transponder list's selection check shared by its commands.
    bool CheckOneOrMoreSelected();
    CVolmarenView& m_view;
    CListState& m_state;
};
