// The Fav-Group button: Favorite Group Edit, then the recount and refill.
#pragma once

#include <QObject>

class CVolmarenDoc;
class IFormLists;

class CGroupCommand : public QObject {
    Q_OBJECT
public:
    CGroupCommand(CVolmarenDoc& doc, IFormLists& form, QObject* parent);

    void OnFavoriteGroups();

private:
    CVolmarenDoc& m_doc;
    IFormLists& m_form;
};
