#include "app/catalogue.h"

#include <algorithm>

namespace app {
namespace {

constexpr std::array<std::string_view, kModelCount> kModels{
    // group 1, first run
    "1110", "1200", "1600", "1650", "2310", "3220", "5140", "5140i",
    // group 2
    "1680c", "2600c", "2610", "2626", "2630", "2660", "2760", "3110c", "3500c", "3555", "5000",
    "5610", "5700", "6110c", "6120c", "6121c", "6124c", "6210n", "6220c", "6290", "6300", "6301",
    "6500s", "6555", "6650f", "7390", "7500", "8600", "E51", "E65", "E66", "N78",
    // group 1, second run
    "6020", "6021", "6030", "6060", "6070", "6080", "6101", "6103", "6230", "6670", "7260", "7360",
    "7610", "E60", "E62", "E70",
    // group 3
    "3200", "3600", "3650", "5100", "6200", "6220", "6310", "6310i", "6500", "6510", "6600", "6610",
    "6610i", "6800", "6820", "7200", "7210", "7250", "7250i", "8910i",
    // group 4
    "2865", "3120c", "3230", "3250", "5200", "5300", "5500", "6085", "6125", "6131", "6131NFC",
    "6136", "6151", "6170", "6230i", "6233", "6260", "6263", "6267", "6270", "6280", "6500c",
    "6630", "6680", "6681", "7270", "7280", "7370", "7373", "7380", "7710", "7900", "8800ARTE",
    "9300", "9300i", "9500", "E50", "E61", "E61i", "N70", "N72", "N73", "N77", "N80", "N81", "N82",
    "N90", "N92", "N93", "N93i", "N95", "N95-8GB"};

// A run of consecutive model-list positions (1-based, inclusive) that belongs to a group.
struct Run {
    int first;
    int last;
};

std::vector<std::string_view> membersOf(std::initializer_list<Run> runs)
{
    std::vector<std::string_view> members;
    for (const Run& run : runs)
        members.insert(members.end(), kModels.begin() + run.first - 1, kModels.begin() + run.last);
    return members;
}

} // namespace

std::span<const std::string_view, kModelCount> modelList()
{
    return kModels;
}

const std::array<IcGroup, kIcGroupCount>& icGroups()
{
    static const std::array<IcGroup, kIcGroupCount> groups{{
        {1, "Picture1", "EMIF-10-1K010F2", membersOf({{1, 8}, {41, 56}})},
        {2, "Picture2", "EMIF10-LCD02F3", membersOf({{9, 40}})},
        {3, "Picture3", "EMIF10-1K010F1", membersOf({{57, 76}})},
        {4, "Picture4", "EMIF10-COM01F2", membersOf({{77, 128}})},
    }};
    return groups;
}

int FindIcGroup(std::string_view text)
{
    // Every group is tested, not just up to the first hit; the groups are disjoint, so
    // at most one answers.
    int found = 0;
    for (const IcGroup& group : icGroups()) {
        if (std::ranges::find(group.members, text) != group.members.end())
            found = group.number;
    }
    return found;
}

std::array<bool, kIcGroupCount> IcPictureVisibility(int group)
{
    std::array<bool, kIcGroupCount> visible{};
    for (int i = 0; i < kIcGroupCount; ++i)
        visible[i] = i + 1 == group;
    return visible;
}

void LookupModel(std::string_view text, IcPictures& pictures)
{
    const int group = FindIcGroup(text);
    if (group == 0)
        return;
    const std::array<bool, kIcGroupCount> visible = IcPictureVisibility(group);
    for (int i = 0; i < kIcGroupCount; ++i)
        pictures.setPictureVisible(i, visible[i]);
}

} // namespace app
