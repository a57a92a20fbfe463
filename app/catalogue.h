#pragma once

#include <array>
#include <span>
#include <string_view>
#include <vector>

// The finder's domain knowledge: the 128 handset model numbers, their four keypad
// interface ICs and the lookup from the model box's text to the one IC picture to show.
// Pure logic: the window hands in the text and applies the answer to its pictures.
namespace app {

inline constexpr int kIcGroupCount = 4;
inline constexpr int kModelCount = 128;

// The model numbers in the order the model box lists them (grouped, not sorted).
std::span<const std::string_view, kModelCount> modelList();

// One keypad interface IC and the models that use it, in model-list order.
struct IcGroup {
    int number;               // 1 to 4
    std::string_view picture; // "Picture1" to "Picture4"
    std::string_view marking; // printed on the IC picture
    std::vector<std::string_view> members;
};

// The four groups, group 1 first.
const std::array<IcGroup, kIcGroupCount>& icGroups();

// The group (1 to 4) that has a member exactly equal to the text, or 0 when none has:
// case-sensitive, no trimming, no numeric reading.
int FindIcGroup(std::string_view text);

// The visibility Picture1 to Picture4 take for a group (1 to 4): its own picture shown,
// the other three hidden.
std::array<bool, kIcGroupCount> IcPictureVisibility(int group);

// The four picture objects the lookup drives; index 0 is Picture1.
class IcPictures {
public:
    virtual ~IcPictures() = default;
    virtual void setPictureVisible(int index, bool visible) = 0;
};

// Shows the picture of the group the text names, setting Picture1 to Picture4 in that
// order; a text that names no model leaves all four as they are.
void LookupModel(std::string_view text, IcPictures& pictures);

} // namespace app
