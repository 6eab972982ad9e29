#pragma once
// The profile manager's list in the names file: entries "<name><index
// digit>" for profile indexes 0 .. 5, as the profile page reads and writes
// them. An entry whose last character is not a free index 0 .. 5 is not a
// profile.

#include <QString>
#include <QVector>

class NameLists;

constexpr int kListedProfileMax = 6;

struct ListedProfile {
    QString name;
    int index = -1;
};

QVector<ListedProfile> listedProfiles(const NameLists &names);

// The entry of profile `index`; an empty name when it is not listed.
ListedProfile listedProfile(const NameLists &names, int index);

// The name the profile manager's New gives: "profile_" and the lowest k
// 0 .. 11 no entry uses; empty when all are used.
QString newProfileName(const QVector<ListedProfile> &entries);

// Lists profile `index` under the name New gives it, when it is not listed
// and the list has room. Returns the entry (an empty name when it could not
// be listed).
ListedProfile listProfile(NameLists &names, int index);
