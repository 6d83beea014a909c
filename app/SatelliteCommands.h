// Adding, editing and deleting satellites from the form: the Add, Edit and
// Del buttons, the satellite list's double-click and its right-click menu.
#pragma once

#include <QObject>

class CListState;
class CVolmarenView;

class CSatelliteCommands : public QObject {
    Q_OBJECT
public:
    explicit CSatelliteCommands(CVolmarenView& view);

    void OnMenu();
    void OnAdd(bool fromMenu);
    void OnEdit();
    void OnDelete();

private:
    CVolmarenView& m_view;
    CListState& m_state;
};
