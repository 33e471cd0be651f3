#include "pe_image.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace quorvel::release {

std::uint16_t U16At(std::span<const std::uint8_t> data, std::size_t offset) {
    if (offset > data.size() || data.size() - offset < 2) throw PeError("read past the end at " + std::to_string(offset));
    return static_cast<std::uint16_t>(data[offset] | data[offset + 1] << 8);
}

std::uint32_t U32At(std::span<const std::uint8_t> data, std::size_t offset) {
    return U16At(data, offset) | std::uint32_t{U16At(data, offset + 2)} << 16;
}

PeImage PeImage::Read(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) throw PeError("cannot open " + path.string());
    return PeImage(std::vector<std::uint8_t>(std::istreambuf_iterator<char>(file), {}));
}

PeImage::PeImage(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {
    const std::span<const std::uint8_t> image(bytes_);
    if (U16At(image, 0) != 0x5a4d) throw PeError("no MZ header");
    const std::size_t pe = U32At(image, 0x3c);
    if (U32At(image, pe) != 0x00004550) throw PeError("no PE signature");
    const std::size_t coff = pe + 4;
    machine_ = U16At(image, coff);
    const std::uint16_t sectionCount = U16At(image, coff + 2);
    const std::uint16_t optionalSize = U16At(image, coff + 16);
    fileCharacteristics_ = U16At(image, coff + 18);

    const std::size_t optional = coff + 20;
    magic_ = U16At(image, optional);
    // PE32 and PE32+ differ in the width of five fields before these.
    const std::size_t wide = magic_ == 0x20b ? 16 : 0;
    if (magic_ != 0x10b && magic_ != 0x20b) throw PeError("unknown optional header magic");
    subsystem_ = U16At(image, optional + 68);
    dllCharacteristics_ = U16At(image, optional + 70);
    const std::uint32_t directoryCount = U32At(image, optional + 92 + wide);
    for (std::uint32_t i = 0; i < directoryCount && i < 16; ++i) {
        const std::size_t entry = optional + 96 + wide + 8 * i;
        directories_.push_back({U32At(image, entry), U32At(image, entry + 4)});
    }

    const std::size_t sectionTable = optional + optionalSize;
    for (std::uint16_t i = 0; i < sectionCount; ++i) {
        const std::size_t header = sectionTable + 40u * i;
        sections_.push_back({U32At(image, header + 12), U32At(image, header + 8), U32At(image, header + 20),
                             U32At(image, header + 16)});
    }
}

PeImage::Directory PeImage::directory(int index) const {
    const auto i = static_cast<std::size_t>(index);
    return i < directories_.size() ? directories_[i] : Directory{};
}

std::size_t PeImage::OffsetOf(std::uint32_t rva) const {
    for (const Section& section : sections_) {
        if (rva >= section.rva && rva - section.rva < std::max(section.virtualSize, section.fileSize)) {
            return std::size_t{section.fileOffset} + (rva - section.rva);
        }
    }
    throw PeError("address " + std::to_string(rva) + " is in no section");
}

std::vector<std::string> PeImage::ImportedDlls() const {
    std::vector<std::string> names;
    const Directory imports = directory(ImportDirectory);
    if (imports.rva == 0) return names;
    const std::span<const std::uint8_t> image(bytes_);
    // Descriptors of 20 bytes each, ended by one of zeros.
    for (std::size_t descriptor = OffsetOf(imports.rva);; descriptor += 20) {
        const std::uint32_t nameRva = U32At(image, descriptor + 12);
        if (nameRva == 0) break;
        std::string name;
        for (std::size_t at = OffsetOf(nameRva); at < bytes_.size() && bytes_[at] != 0; ++at) {
            name.push_back(static_cast<char>(bytes_[at]));
        }
        names.push_back(name);
    }
    return names;
}

ResourceKey PeImage::KeyAt(std::size_t resourceBase, std::uint32_t field) const {
    if ((field & 0x80000000u) == 0) return {static_cast<std::uint16_t>(field), {}};
    // A name: a counted UTF-16 string inside the resource section.
    const std::span<const std::uint8_t> image(bytes_);
    const std::size_t at = resourceBase + (field & 0x7fffffffu);
    const std::uint16_t length = U16At(image, at);
    std::u16string name;
    for (std::uint16_t i = 0; i < length; ++i) name.push_back(static_cast<char16_t>(U16At(image, at + 2 + 2u * i)));
    return {std::nullopt, name};
}

void PeImage::WalkResources(std::size_t resourceBase, std::size_t table, int depth, std::vector<ResourceKey>& path,
                            std::vector<Resource>& out) const {
    if (depth > 2) throw PeError("resource tree deeper than type, name, language");
    const std::span<const std::uint8_t> image(bytes_);
    const std::size_t entries = std::size_t{U16At(image, table + 12)} + U16At(image, table + 14);
    for (std::size_t i = 0; i < entries; ++i) {
        const std::size_t entry = table + 16 + 8 * i;
        const std::uint32_t key = U32At(image, entry);
        const std::uint32_t target = U32At(image, entry + 4);
        if (target & 0x80000000u) {
            path.push_back(KeyAt(resourceBase, key));
            WalkResources(resourceBase, resourceBase + (target & 0x7fffffffu), depth + 1, path, out);
            path.pop_back();
            continue;
        }
        if (depth != 2) throw PeError("resource data above the language level");
        const std::size_t dataEntry = resourceBase + target;
        const std::uint32_t dataRva = U32At(image, dataEntry);
        const std::uint32_t dataSize = U32At(image, dataEntry + 4);
        const std::size_t offset = OffsetOf(dataRva);
        if (offset > bytes_.size() || bytes_.size() - offset < dataSize) throw PeError("resource data past the end");
        out.push_back({path[0], path[1], static_cast<std::uint16_t>(key), image.subspan(offset, dataSize)});
    }
}

std::vector<Resource> PeImage::Resources() const {
    std::vector<Resource> resources;
    const Directory directory = this->directory(ResourceDirectory);
    if (directory.rva == 0) return resources;
    const std::size_t base = OffsetOf(directory.rva);
    std::vector<ResourceKey> path;
    WalkResources(base, base, 0, path, resources);
    return resources;
}

const VersionBlock* VersionBlock::Child(std::u16string_view childKey) const {
    for (const VersionBlock& child : children) {
        if (child.key == childKey) return &child;
    }
    return nullptr;
}

std::u16string VersionBlock::Text() const {
    std::u16string text;
    for (std::size_t i = 0; i + 1 < value.size(); i += 2) {
        const auto c = static_cast<char16_t>(value[i] | value[i + 1] << 8);
        if (c == 0) break;
        text.push_back(c);
    }
    return text;
}

namespace {

std::size_t Align4(std::size_t offset) { return (offset + 3) & ~std::size_t{3}; }

// One block at `offset`: length, value length, type, key, value, children,
// each part aligned to 32 bits from the start of the resource.
VersionBlock ParseBlock(std::span<const std::uint8_t> data, std::size_t offset, std::size_t& end) {
    const std::uint16_t length = U16At(data, offset);
    const std::uint16_t valueLength = U16At(data, offset + 2);
    VersionBlock block;
    block.isText = U16At(data, offset + 4) == 1;
    end = offset + length;
    if (length < 6 || end > data.size()) throw PeError("version block of bad length");

    std::size_t at = offset + 6;
    for (char16_t c; (c = static_cast<char16_t>(U16At(data, at))) != 0; at += 2) block.key.push_back(c);
    at = Align4(at + 2);
    // A text value's length counts UTF-16 units, a binary one bytes.
    const std::size_t valueBytes = block.isText ? 2u * valueLength : valueLength;
    if (at + valueBytes > end) throw PeError("version value past its block");
    block.value.assign(data.begin() + static_cast<std::ptrdiff_t>(at),
                       data.begin() + static_cast<std::ptrdiff_t>(at + valueBytes));
    at = Align4(at + valueBytes);
    while (at < end) {
        std::size_t childEnd = 0;
        block.children.push_back(ParseBlock(data, at, childEnd));
        at = Align4(childEnd);
    }
    return block;
}

}  // namespace

VersionBlock ParseVersionInfo(std::span<const std::uint8_t> data) {
    std::size_t end = 0;
    return ParseBlock(data, 0, end);
}

}  // namespace quorvel::release
