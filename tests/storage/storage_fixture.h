#pragma once

#include "core/listing_record.h"
#include "fixed_clock.h"
#include "platform/error.h"
#include "scratch_trash.h"
#include "scripted_prompter.h"
#include "storage/files.h"
#include "storage/listing_index.h"
#include "temp_app_folder.h"

#include <gtest/gtest.h>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

// The real file system, except that operation number `failAt` (counted from 1 over every
// read, write, copy, move, remove and move to the trash) fails with "書き込みできません。" (70).
struct FailingFiles : storage::Files {
    int failAt = 0;
    int count = 0;

    bool failed() const { return failAt > 0 && count >= failAt; }
    void step() {
        if (++count == failAt)
            throw platform::Error::fromNumber(platform::ErrorNumber::PermissionDenied);
    }
    // clang-format off
    QByteArray read(const QString& p) override { step(); return Files::read(p); }
    void write(const QString& p, QByteArrayView b) override { step(); Files::write(p, b); }
    void copy(const QString& f, const QString& t) override { step(); Files::copy(f, t); }
    void move(const QString& f, const QString& t) override { step(); Files::move(f, t); }
    void remove(const QString& p) override { step(); Files::remove(p); }
    platform::Trashed moveToTrash(const QString& p, const QString& f) override { step(); return Files::moveToTrash(p, f); }
    // clang-format on
};

// An application folder with the data folders and a new index holding the placeholder.
class StorageTest : public ::testing::Test {
protected:
    StorageTest();

    storage::ListingIndex index() const;
    // "kind title file" for every entry of the index
    QStringList summary() const;
    // Appends an entry; with `files`, also writes its three files where its kind keeps them.
    void addListing(storage::EntryKind kind, const QString& title, const QString& stamp,
                    bool files = true) const;
    bool exists(const QString& relative) const;
    // The files below data/ and userdata/ but the index files, sorted.
    QStringList listingFiles() const;

    ScratchTrash m_trash;
    TempAppFolder m_app;
    FailingFiles m_files;
    storage::Storage m_storage;
    FixedClock m_clock;
    ScriptedPrompter m_prompter;
};

core::ListingRecord listingRecord(const QString& title, const QString& description = {});

// Fails the test unless `attempt` throws the error `number`.
template <class Attempt> void expectError(int number, Attempt attempt) {
    try {
        attempt();
        ADD_FAILURE() << "accepted";
    } catch (const platform::Error& error) {
        EXPECT_EQ(error.number(), number);
    }
}
