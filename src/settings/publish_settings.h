#pragma once

#include <string>

// Section "PUBLISH" of the settings file: where the published folder is, the league's name on its
// pages and the first day of the season its standings count. The original program ignores the section, so the
// file still moves between the two.
struct PUBLISH {
    // A Windows or POSIX path; empty for "results" in the program's folder, and a relative path is
    // taken from the program's folder.
    std::string Folder;
    // The league's name on every published page; empty for the server's HostName.
    std::string Title;
    // "mm/dd/yyyy": races that ended before that day leave the standings (not the index); empty for
    // every kept race. Set in the settings file by hand.
    std::string SeasonStart;

    bool operator==(const PUBLISH&) const = default;
};

// The section as start-up read it and the publishing dialog changed it.
extern thread_local PUBLISH Publish;

// The first value that the settings file could not give back as it is (a line end, or more than is
// read back), with what to tell the operator; PublishField::None when both can be stored.
enum class PublishField { None, Folder, Title };
struct PublishCheck {
    PublishField field = PublishField::None;
    std::string message;
};
PublishCheck CheckPublishSettings(const PUBLISH& values);

class ProfileFile;

// Loads Publish from the settings file as read (ReadSettingsFile); missing keys (or no section) give the
// defaults.
void ReadPublishSettings(const ProfileFile& file);

// Stores Folder and Title in one write of the settings file; false, after telling the operator, when it
// fails.
bool WritePublishSettings();

// The published folder that Publish names, ending in a separator.
std::string PublishedFolderPath();

// The league's name that Publish gives, falling back on the server's host name.
std::string PublishedTitle();
