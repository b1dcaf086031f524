#pragma once
// The fixed table from program ID to screen class. Every program ID of the system is listed; a module
// registers the factories of its screens (one registration function per module). An ID without a
// factory opens nothing, like an ID that is not in the table.
#include <QHash>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>

using ScreenFactory = std::function<QWidget *()>;

class ScreenRegistry {
public:
    static ScreenRegistry &instance();

    static const QStringList &programIds();               // the 67 program IDs of the system
    static QString screenClassName(const QString &programId);  // "Tfrm" + ID ("EEI010" → "TfrmEEI020")

    bool add(const QString &programId, ScreenFactory factory);  // false for an ID not in the table
    bool has(const QString &programId) const;
    QWidget *create(const QString &programId) const;            // nullptr without a factory

private:
    QHash<QString, ScreenFactory> m_factories;
};
