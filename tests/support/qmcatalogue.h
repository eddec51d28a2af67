#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

// Reads the messages of a compiled Qt catalogue (.qm), so that tests can see
// exactly what a catalogue holds rather than only what it translates.
struct QmMessage
{
    QString context;
    QString source;
    QString comment;
    QStringList translations;

    bool operator==(const QmMessage &other) const
    {
        return context == other.context && source == other.source && comment == other.comment &&
               translations == other.translations;
    }
};

struct QmCatalogue
{
    bool valid = false;
    int hashCount = 0;
    bool hasNumerusRules = false;
    QVector<QmMessage> messages;
};

QmCatalogue readQmCatalogue(const QByteArray &data);
