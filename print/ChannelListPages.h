// The channel list on paper: on every page a header with the image file's
// name and the date, the sections with their titles above the columns
// number, name, satellite, frequency and polarization, scramble, groups, lock
// and skip, and "Page N of M" at the foot. The columns and the rows per page
// follow the device's page size and orientation, so landscape or portrait is
// the printer's choice.
#pragma once

#include "PrintedList.h"

#include <QCoreApplication>
#include <QDate>
#include <QString>

#include <vector>

class QPagedPaintDevice;

class ChannelListPages {
    Q_DECLARE_TR_FUNCTIONS(ChannelListPages)
public:
    ChannelListPages(std::vector<PrintSection> sections, QString fileName, QDate date);

    // Paints every page on `device`, which must be ready for a painter; the
    // number of pages, 0 when it cannot be painted on.
    int Paint(QPagedPaintDevice& device) const;

    const QString& FileName() const { return m_fileName; }

private:
    std::vector<PrintSection> m_sections;
    QString m_fileName;
    QDate m_date;
};
