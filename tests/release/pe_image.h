#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace quorvel::release {

// A malformed or truncated image.
class PeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A resource type or name: a number, or a name.
struct ResourceKey {
    std::optional<std::uint16_t> number;
    std::u16string name;

    bool Is(std::uint16_t value) const { return number == value; }
    bool Is(std::u16string_view value) const { return !number && name == value; }
};

struct Resource {
    ResourceKey type;
    ResourceKey name;
    std::uint16_t language;
    std::span<const std::uint8_t> data;  // into the image
};

// The parts of a PE file that a release check needs, read from the file
// itself, without any Windows API. Throws PeError for a malformed file.
class PeImage {
public:
    explicit PeImage(std::vector<std::uint8_t> bytes);
    static PeImage Read(const std::filesystem::path& path);

    std::uint16_t Machine() const { return machine_; }
    std::uint16_t FileCharacteristics() const { return fileCharacteristics_; }
    std::uint16_t OptionalHeaderMagic() const { return magic_; }
    std::uint16_t Subsystem() const { return subsystem_; }
    std::uint16_t DllCharacteristics() const { return dllCharacteristics_; }
    std::uint32_t BaseRelocationBytes() const { return directory(BaseRelocationDirectory).size; }

    // The names of the DLLs in the import table, as written there.
    std::vector<std::string> ImportedDlls() const;
    // Every leaf of the resource tree, in directory order.
    std::vector<Resource> Resources() const;

private:
    struct Directory {
        std::uint32_t rva = 0, size = 0;
    };
    static constexpr int ImportDirectory = 1;
    static constexpr int ResourceDirectory = 2;
    static constexpr int BaseRelocationDirectory = 5;

    struct Section {
        std::uint32_t rva, virtualSize, fileOffset, fileSize;
    };

    Directory directory(int index) const;
    std::size_t OffsetOf(std::uint32_t rva) const;
    ResourceKey KeyAt(std::size_t resourceBase, std::uint32_t field) const;
    void WalkResources(std::size_t resourceBase, std::size_t table, int depth, std::vector<ResourceKey>& path,
                       std::vector<Resource>& out) const;

    std::vector<std::uint8_t> bytes_;
    std::uint16_t machine_ = 0, fileCharacteristics_ = 0, magic_ = 0, subsystem_ = 0, dllCharacteristics_ = 0;
    std::vector<Directory> directories_;
    std::vector<Section> sections_;
};

// One block of a version resource (VS_VERSIONINFO and everything in it).
struct VersionBlock {
    std::u16string key;
    bool isText = false;
    std::vector<std::uint8_t> value;  // raw bytes; UTF-16 for text values
    std::vector<VersionBlock> children;

    const VersionBlock* Child(std::u16string_view childKey) const;
    std::u16string Text() const;  // a text value without its terminator
};

VersionBlock ParseVersionInfo(std::span<const std::uint8_t> data);

// Little-endian readers with bounds checks.
std::uint16_t U16At(std::span<const std::uint8_t> data, std::size_t offset);
std::uint32_t U32At(std::span<const std::uint8_t> data, std::size_t offset);

}  // namespace quorvel::release
