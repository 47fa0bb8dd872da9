#pragma once

// What the put-back tests share: the messages an item that stays gets, and a fake home whose
// Trash the tests fill by moving items there or by writing entries and records of their own.
#include "FakeHome.h"
#include "PutBack.h"
#include "RemovalTarget.h"
#include "TrashMover.h"

#include <gtest/gtest.h>

#include <string>

namespace orvelane::testing {

namespace fs = std::filesystem;

constexpr const char* kPlaceTaken = "Something new is at its old place.";
constexpr const char* kNoRecord = "The item has no Trash record that can be read.";
constexpr const char* kOutsideHome = "Its Trash record points outside your home folder.";
constexpr const char* kForbiddenPlace = "Its Trash record points into a Trash or into Orvelane's own records.";
constexpr const char* kEntryChanged = "The item in the Trash is not the one that was moved there.";
constexpr const char* kLinkOnWay = "A folder on the way to its old place is a symbolic link.";
constexpr const char* kOtherVolume = "Its old place is on another volume than the Trash.";

class PutBackTest : public ::testing::Test
{
protected:
    RemovalResult trash(const fs::path& item)
    {
        return TrashMover::moveToTrash(RemovalTarget::open(item, inodeOf(item), fake.home()), fake.trash());
    }

    static PutBack::ExpectedEntry identityOf(const RemovalResult& moved)
    {
        return {moved.device, moved.inode};
    }

    PutBack::Result putBack(const fs::path& entry, const PutBack::ExpectedEntry& expected = {})
    {
        return PutBack::putBack(entry, expected, fake.home());
    }

    // An entry of the home trash with a record of our own making.
    fs::path craftedEntry(const std::string& name, const std::string& record)
    {
        writeFile(fake.trash() / "files" / name, "entry " + name);
        writeFile(fake.trash() / "info" / (name + ".trashinfo"), record);
        return fake.trash() / "files" / name;
    }

    static std::string recordFor(const std::string& path)
    {
        return "[Trash Info]\nPath=" + path + "\nDeletionDate=2024-05-01T10:00:00\n";
    }

    FakeHome fake{"home"};
};

} // namespace orvelane::testing
