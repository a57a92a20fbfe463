#include "app/catalogue"

#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace {

using app::FindIcGroup;
using app::IcPictureVisibility;
using app::LookupModel;

// Records what the lookup does to the four pictures, in call order.
class RecordedPictures : public app::IcPictures {
public:
    RecordedPictures() { visible.fill(false); }
    void setPictureVisible(int index, bool shown) override
    {
        calls.push_back(index);
        visible[static_cast<std::size_t>(index)] = shown;
    }
    std::array<bool, 4> visible;
    std::vector<int> calls;
};

// The model list with the group of every position, written out independently of the
// catalogue's own run table.
struct Entry {
    const char* model;
    int group;
};
const std::vector<Entry>& expectedList()
{
    static const std::vector<Entry> list = [] {
        std::vector<Entry> entries;
        const auto add = [&](int group, std::initializer_list<const char*> models) {
            for (const char* model : models)
                entries.push_back({model, group});
        };
        add(1, {"1110", "1200", "1600", "1650", "2310", "3220", "5140", "5140i"});
        add(2, {"1680c", "2600c", "2610",  "2626", "2630", "2660",  "2760",  "3110c",
                "3500c", "3555",  "5000",  "5610", "5700", "6110c", "6120c", "6121c",
                "6124c", "6210n", "6220c", "6290", "6300", "6301",  "6500s", "6555",
                "6650f", "7390",  "7500",  "8600", "E51",  "E65",   "E66",   "N78"});
        add(1, {"6020", "6021", "6030", "6060", "6070", "6080", "6101", "6103", "6230", "6670",
                "7260", "7360", "7610", "E60", "E62", "E70"});
        add(3,
            {"3200", "3600", "3650",  "5100", "6200", "6220", "6310", "6310i", "6500",  "6510",
             "6600", "6610", "6610i", "6800", "6820", "7200", "7210", "7250",  "7250i", "8910i"});
        add(4, {"2865", "3120c",   "3230", "3250",  "5200", "5300",     "5500",   "6085",  "6125",
                "6131", "6131NFC", "6136", "6151",  "6170", "6230i",    "6233",   "6260",  "6263",
                "6267", "6270",    "6280", "6500c", "6630", "6680",     "6681",   "7270",  "7280",
                "7370", "7373",    "7380", "7710",  "7900", "8800ARTE", "9300",   "9300i", "9500",
                "E50",  "E61",     "E61i", "N70",   "N72",  "N73",      "N77",    "N80",   "N81",
                "N82",  "N90",     "N92",  "N93",   "N93i", "N95",      "N95-8GB"});
        return entries;
    }();
    return list;
}

TEST(ModelList, HoldsTheModelsInListOrder)
{
    ASSERT_EQ(expectedList().size(), 128u);
    const auto list = app::modelList();
    for (std::size_t i = 0; i < list.size(); ++i)
        EXPECT_EQ(list[i], expectedList()[i].model) << "position " << i + 1;
    EXPECT_EQ(std::set<std::string_view>(list.begin(), list.end()).size(), 128u);
}

TEST(IcGroups, MarkingsPicturesAndMembersInListOrder)
{
    const std::array<const char*, 4> markings{"EMIF-10-1K010F2", "EMIF10-LCD02F3", "EMIF10-1K010F1",
                                              "EMIF10-COM01F2"};
    for (const app::IcGroup& group : app::icGroups()) {
        SCOPED_TRACE(group.number);
        EXPECT_EQ(group.marking, markings[static_cast<std::size_t>(group.number - 1)]);
        EXPECT_EQ(group.picture, "Picture" + std::to_string(group.number));
        std::vector<std::string_view> expected;
        for (const Entry& entry : expectedList()) {
            if (entry.group == group.number)
                expected.push_back(entry.model);
        }
        EXPECT_EQ(group.members, expected);
    }
    EXPECT_EQ(app::icGroups()[0].members.size(), 24u);
    EXPECT_EQ(app::icGroups()[3].members.size(), 52u);
}

TEST(LookupModel, EveryListEntryShowsExactlyItsGroupsPicture)
{
    for (const Entry& entry : expectedList()) {
        SCOPED_TRACE(entry.model);
        EXPECT_EQ(FindIcGroup(entry.model), entry.group);
        RecordedPictures pictures;
        LookupModel(entry.model, pictures);
        std::array<bool, 4> expected{};
        expected[static_cast<std::size_t>(entry.group - 1)] = true;
        EXPECT_EQ(pictures.visible, expected);
        EXPECT_EQ(pictures.calls, (std::vector<int>{0, 1, 2, 3}));
    }
}

TEST(LookupModel, NearTwinsStayApart)
{
    const std::vector<Entry> twins{{"6220", 3},    {"6220c", 2}, {"6230", 1},   {"6230i", 4},
                                   {"6500", 3},    {"6500s", 2}, {"6500c", 4},  {"E60", 1},
                                   {"E62", 1},     {"E61", 4},   {"E61i", 4},   {"6131", 4},
                                   {"6131NFC", 4}, {"N95", 4},   {"N95-8GB", 4}};
    for (const Entry& twin : twins)
        EXPECT_EQ(FindIcGroup(twin.model), twin.group) << twin.model;
}

TEST(LookupModel, TextsThatNameNoModelChangeNothing)
{
    const std::vector<std::string> misses{"",
                                          "n95",
                                          "e70",
                                          " 6230",
                                          "6230 ",
                                          "6",
                                          "62",
                                          "622",
                                          "E70x",
                                          "06230",
                                          "6230.0",
                                          "8800arte",
                                          "Click here to Select Model Number",
                                          std::string("6230\0", 5)};
    for (const std::string& text : misses) {
        SCOPED_TRACE(text);
        EXPECT_EQ(FindIcGroup(text), 0);
        RecordedPictures pictures;
        pictures.visible = {false, true, false, false};
        LookupModel(text, pictures);
        EXPECT_TRUE(pictures.calls.empty());
        EXPECT_EQ(pictures.visible, (std::array<bool, 4>{false, true, false, false}));
    }
}

TEST(LookupModel, TypingOneCharacterAtATimeShowsOnlyOnceAModelIsNamed)
{
    RecordedPictures pictures;
    for (const char* text : {"6", "62", "622"})
        LookupModel(text, pictures);
    EXPECT_TRUE(pictures.calls.empty());
    LookupModel("6220", pictures);
    EXPECT_EQ(pictures.visible, (std::array<bool, 4>{false, false, true, false}));
    LookupModel("6220c", pictures);
    EXPECT_EQ(pictures.visible, (std::array<bool, 4>{false, true, false, false}));
}

TEST(IcPictureVisibility, ShowsOnlyTheGroupsOwnPicture)
{
    EXPECT_EQ(IcPictureVisibility(1), (std::array<bool, 4>{true, false, false, false}));
    EXPECT_EQ(IcPictureVisibility(2), (std::array<bool, 4>{false, true, false, false}));
    EXPECT_EQ(IcPictureVisibility(3), (std::array<bool, 4>{false, false, true, false}));
    EXPECT_EQ(IcPictureVisibility(4), (std::array<bool, 4>{false, false, false, true}));
}

} // namespace
