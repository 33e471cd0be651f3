// The shipped i686 exe read as a file, as Windows sees it before it runs a
// line of it: machine, subsystem, security flags, imports and resources.
#include <algorithm>
#include <array>
#include <cctype>
#include <optional>
#include <set>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "pe_image.h"

namespace quorvel::release {
namespace {

constexpr std::uint16_t MachineI386 = 0x14c;
constexpr std::uint16_t Pe32Magic = 0x10b;
constexpr std::uint16_t GuiSubsystem = 2;
constexpr std::uint16_t RelocationsStripped = 0x0001;
constexpr std::uint16_t ExecutableImage = 0x0002;
constexpr std::uint16_t IsDll = 0x2000;
constexpr std::uint16_t DynamicBase = 0x0040;  // ASLR
constexpr std::uint16_t NxCompatible = 0x0100;  // DEP

constexpr std::uint16_t RtIcon = 3;
constexpr std::uint16_t RtGroupIcon = 14;
constexpr std::uint16_t RtVersion = 16;
constexpr std::uint16_t RtManifest = 24;

// DLLs in every Windows system directory from Vista on; anything else would
// have to ship beside the exe.
const std::set<std::string> SystemDlls = {"kernel32.dll", "user32.dll", "gdi32.dll", "comctl32.dll", "msvcrt.dll"};

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// "1.0.0.0" as the four 16-bit parts of a version resource.
std::array<std::uint16_t, 4> VersionParts(const std::string& text) {
    std::array<std::uint16_t, 4> parts{};
    std::istringstream in(text);
    std::string part;
    for (std::uint16_t& value : parts) {
        if (std::getline(in, part, '.')) value = static_cast<std::uint16_t>(std::stoul(part));
    }
    return parts;
}

std::u16string Utf16(const std::string& ascii) { return std::u16string(ascii.begin(), ascii.end()); }

class ShippedExe : public testing::Test {
protected:
    static void SetUpTestSuite() {
        try {
            image_.emplace(PeImage::Read(QUORVEL_SHIPPED_EXE));
        } catch (const PeError& error) {
            readError_ = error.what();
        }
    }

    void SetUp() override {
        ASSERT_TRUE(image_.has_value()) << QUORVEL_SHIPPED_EXE << ": " << readError_
                                        << " (the windows-i686 preset builds it)";
    }

    static const PeImage& Image() { return *image_; }

    std::vector<Resource> ResourcesOfType(std::uint16_t type) const {
        std::vector<Resource> found;
        for (const Resource& resource : Image().Resources()) {
            if (resource.type.Is(type)) found.push_back(resource);
        }
        return found;
    }

private:
    static inline std::optional<PeImage> image_;
    static inline std::string readError_;
};

TEST_F(ShippedExe, IsA32BitX86GuiProgram) {
    EXPECT_EQ(Image().Machine(), MachineI386);
    EXPECT_EQ(Image().OptionalHeaderMagic(), Pe32Magic);
    EXPECT_EQ(Image().Subsystem(), GuiSubsystem);
    EXPECT_TRUE(Image().FileCharacteristics() & ExecutableImage);
    EXPECT_FALSE(Image().FileCharacteristics() & IsDll);
}

TEST_F(ShippedExe, AslrAndDepAreOnAndTheImageCanMove) {
    EXPECT_TRUE(Image().DllCharacteristics() & DynamicBase);
    EXPECT_TRUE(Image().DllCharacteristics() & NxCompatible);
    // Without relocations the loader cannot honour the ASLR flag.
    EXPECT_FALSE(Image().FileCharacteristics() & RelocationsStripped);
    EXPECT_GT(Image().BaseRelocationBytes(), 0u);
}

TEST_F(ShippedExe, ImportsOnlyFromSystemDlls) {
    const std::vector<std::string> dlls = Image().ImportedDlls();
    EXPECT_FALSE(dlls.empty());
    for (const std::string& dll : dlls) {
        EXPECT_TRUE(SystemDlls.contains(Lower(dll))) << dll << " is not a system DLL";
    }
}

TEST_F(ShippedExe, HasNoApplicationManifest) { EXPECT_TRUE(ResourcesOfType(RtManifest).empty()); }

TEST_F(ShippedExe, IconGroupDefaultIconHoldsNineSquareImagesFrom16To128) {
    std::vector<Resource> groups;
    for (const Resource& group : ResourcesOfType(RtGroupIcon)) {
        if (group.name.Is(u"DEFAULT_ICON")) groups.push_back(group);
    }
    ASSERT_EQ(groups.size(), 1u) << "one icon group named DEFAULT_ICON";
    const std::span<const std::uint8_t> group = groups.front().data;
    ASSERT_EQ(U16At(group, 2), 1) << "an icon group, not a cursor group";
    const std::uint16_t count = U16At(group, 4);
    ASSERT_EQ(count, 9);

    const std::vector<Resource> icons = ResourcesOfType(RtIcon);
    std::set<int> sizes;
    for (std::uint16_t i = 0; i < count; ++i) {
        // 14-byte entries: width, height (0 for 256), ..., bytes, icon id.
        const std::size_t entry = 6 + 14u * i;
        ASSERT_GE(group.size(), entry + 14);
        const int width = group[entry] == 0 ? 256 : group[entry];
        const int height = group[entry + 1] == 0 ? 256 : group[entry + 1];
        const std::uint32_t bytes = U32At(group, entry + 8);
        const std::uint16_t id = U16At(group, entry + 12);
        EXPECT_EQ(width, height) << "image " << i;
        sizes.insert(width);

        const auto icon = std::find_if(icons.begin(), icons.end(), [&](const Resource& r) { return r.name.Is(id); });
        ASSERT_NE(icon, icons.end()) << "image " << i << " names icon " << id << ", which is missing";
        EXPECT_EQ(icon->data.size(), bytes) << "icon " << id;
        // The frame itself must be of the size the group promises: a PNG
        // (IHDR width and height, big-endian) or a DIB twice as high as wide.
        const std::span<const std::uint8_t> frame = icon->data;
        ASSERT_GE(frame.size(), 24u);
        if (frame[0] == 0x89 && frame[1] == 'P' && frame[2] == 'N' && frame[3] == 'G') {
            const auto be32 = [&](std::size_t at) {
                return static_cast<int>(frame[at] << 24 | frame[at + 1] << 16 | frame[at + 2] << 8 | frame[at + 3]);
            };
            EXPECT_EQ(be32(16), width) << "icon " << id;
            EXPECT_EQ(be32(20), height) << "icon " << id;
        } else {
            EXPECT_EQ(static_cast<int>(U32At(frame, 4)), width) << "icon " << id;
            EXPECT_EQ(static_cast<int>(U32At(frame, 8)), 2 * height) << "icon " << id;
        }
    }
    EXPECT_EQ(sizes.size(), 9u) << "nine different sizes";
    EXPECT_EQ(*sizes.begin(), 16);
    EXPECT_EQ(*sizes.rbegin(), 128);
}

TEST_F(ShippedExe, VersionResourceHoldsTheProjectVersionInAChinesePrcStringTable) {
    const std::vector<Resource> versions = ResourcesOfType(RtVersion);
    ASSERT_EQ(versions.size(), 1u);
    const VersionBlock info = ParseVersionInfo(versions.front().data);
    EXPECT_EQ(info.key, u"VS_VERSION_INFO");

    // VS_FIXEDFILEINFO: signature, structure version, then file and product
    // versions, each as two DWORDs of two 16-bit parts, high part first.
    const std::span<const std::uint8_t> fixed(info.value);
    ASSERT_GE(fixed.size(), 52u);
    EXPECT_EQ(U32At(fixed, 0), 0xfeef04bdu);
    const auto parts = VersionParts(QUORVEL_PROJECT_VERSION);
    const auto versionAt = [&](std::size_t at) {
        return std::array<std::uint16_t, 4>{static_cast<std::uint16_t>(U32At(fixed, at) >> 16),
                                            static_cast<std::uint16_t>(U32At(fixed, at)),
                                            static_cast<std::uint16_t>(U32At(fixed, at + 4) >> 16),
                                            static_cast<std::uint16_t>(U32At(fixed, at + 4))};
    };
    EXPECT_EQ(versionAt(8), parts) << "file version";
    EXPECT_EQ(versionAt(16), parts) << "product version";

    const VersionBlock* strings = info.Child(u"StringFileInfo");
    ASSERT_NE(strings, nullptr);
    ASSERT_EQ(strings->children.size(), 1u) << "one string table";
    // Language 0x0804 (Chinese, PRC), code page 1200 (UTF-16).
    const VersionBlock& table = strings->children.front();
    EXPECT_EQ(table.key, u"080404b0");
    for (const char16_t* name : {u"FileVersion", u"ProductVersion"}) {
        const VersionBlock* value = table.Child(name);
        ASSERT_NE(value, nullptr) << "no " << std::string(name, name + std::char_traits<char16_t>::length(name));
        EXPECT_TRUE(value->isText);
        EXPECT_EQ(value->Text(), Utf16(QUORVEL_PROJECT_VERSION));
    }

    const VersionBlock* variables = info.Child(u"VarFileInfo");
    ASSERT_NE(variables, nullptr);
    const VersionBlock* translation = variables->Child(u"Translation");
    ASSERT_NE(translation, nullptr);
    const std::span<const std::uint8_t> pair(translation->value);
    ASSERT_EQ(pair.size(), 4u);
    EXPECT_EQ(U16At(pair, 0), 0x0804);
    EXPECT_EQ(U16At(pair, 2), 1200);
}

}  // namespace
}  // namespace quorvel::release
