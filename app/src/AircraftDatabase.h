#ifndef VELTMAR_AIRCRAFTDATABASE_H
#define VELTMAR_AIRCRAFTDATABASE_H

#include <vector>

#include <QSqlDatabase>
#include <QString>

#include <avistore/ICAOAddrDictionary.h>
#include <modes/ADSBTarget.h>

// The aircraft table: an SQLite file of the user's choice in which every aircraft seen is kept
// with the country of its address block and the airline of its callsign.
//
//   CREATE TABLE [aircraft] ([icao_addr] INTEGER NOT NULL UNIQUE, [country] CHAR(2),
//                            [airline] CHAR(3))
//
// open() at each start of processing, update() about once a minute while it runs (see
// MinuteSchedule), close() at the stop. Rows are inserted for new addresses and updated for
// known ones; a country or airline not known this time never clears what the row holds. One
// update is one SQLite transaction, so that a minute of hundreds of aircraft costs one commit.
// Failures go to the debug output only ("Failed to open database file: ", "Failed to create
// table [aircraft]", a failed statement's text and error); nothing here stops processing.
//
// The file is held under a connection name of its own, so that it neither replaces nor is
// replaced by the default connection through which the aviation database is loaded.
class AircraftDatabase {
public:
    static constexpr const char* kConnectionName = "veltmar-aircraft";

    // Countries come from this dictionary, which must outlive the object.
    explicit AircraftDatabase(const brannic::avistore::ICAOAddrDictionary& addresses);
    ~AircraftDatabase();
    AircraftDatabase(const AircraftDatabase&) = delete;
    AircraftDatabase& operator=(const AircraftDatabase&) = delete;

    void setEnabled(bool on) { _enabled = on; }          // enableAircraftDatabase
    void setUpdateData(bool on) { _updateData = on; }    // updateAicraftData
    void setFile(const QString& path) { _file = path; }  // aircraftDatabaseFile

    // Opens the file (SQLite creates it when missing) and creates the table when it lacks it.
    // False when disabled, when the file cannot be opened or the table not created.
    bool open();
    bool isOpen() const { return _open; }
    // Writes every target's row, in the order given; nothing unless enabled, open and set to
    // update data.
    void update(const std::vector<brannic::modes::ADSBTarget>& targets);
    void close();

    // The ISO-2 code of the address block's country; empty when no block or no country.
    QString countryOf(quint32 icaoAddress) const;
    // The three-letter ICAO airline designator of a flight's callsign: its first three
    // characters when the callsign, blanks trimmed, is three upper-case letters and one to
    // four digits; otherwise empty.
    static QString airlineOf(const QString& callsign);

private:
    QSqlDatabase database() const;

    const brannic::avistore::ICAOAddrDictionary& _addresses;
    bool _enabled = false;
    bool _updateData = true;
    QString _file;
    bool _open = false;
};

#endif  // VELTMAR_AIRCRAFTDATABASE_H
