// The Fav-Group button: Favorite Group Edit, then the recount and refill.
#pragma once

#include <QObject>

class CListState;
class CVolmarenView;

class CGroupCommand : public QObject {
    Q_OBJECT
public:
    explicit CGroupCommand(CVolmarenView& view);

    void OnFavoriteGroups();

private:
    CVolmarenView& m_view;
    CListState& m_state;
};
