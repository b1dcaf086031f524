#pragma once
// Statements of the rental and storage reports (see framework/reportstatement.h).
#include "framework/reportstatement.h"

namespace equipment_reports {

using reportsql::isChosen;
using reportsql::kAll;
using reportsql::kSubtotal;
using reportsql::Statement;

// Daily rentals of a date and area, optionally of one rental state and one ticket kind.
Statement ebs060(const QString &rentDate, const QString &area, const QString &rentStat, const QString &ticketKind);
// Equipment now out on a multi-day rental.
Statement ebs070(const QString &area);
// Rentals of a day by hour and equipment kind, with one subtotal row per hour; and the day's count.
Statement ebs080(const QString &rentDate, const QString &area);
Statement ebs080Total(const QString &rentDate, const QString &area);
// Rentals by date and equipment kind over an optional period; and the period's count.
Statement ebs090(const QString &dateFrom, const QString &dateTo, const QString &area);
Statement ebs090Total(const QString &dateFrom, const QString &dateTo, const QString &area);

struct StorageConditions {
    QString season;
    QString area;
    QString keepStat;
    QString keepGubun;
    QString equipGubun;
    QString equipNameGubun;
    QString keepName;
};
// Stored items of a season and area.
Statement ebs100(const StorageConditions &c);
// Items still in storage whose release date is before the reference date.
Statement ebs110(const QString &referenceDate, const QString &area);
// Stored items by storage kind and equipment kind; and their count.
Statement ebs120(const QString &season, const QString &area, const QString &ipgoFrom, const QString &ipgoTo);
Statement ebs120Total(const QString &season, const QString &area, const QString &ipgoFrom, const QString &ipgoTo);
// Stored items by the owner's region and equipment kind; and their count (owners with a zip code).
Statement ebs130(const QString &season, const QString &area, const QString &ipgoFrom, const QString &ipgoTo);
Statement ebs130Total(const QString &season, const QString &area, const QString &ipgoFrom, const QString &ipgoTo);

} // namespace equipment_reports
