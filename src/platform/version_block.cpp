#include "platform/version_block.h"

#include "platform/letter_case.h"
#include "platform/unicode.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr std::uint16_t binaryNode = 0;
constexpr std::uint16_t textNode = 1;
constexpr std::uint32_t fixedStructureVersion = 0x00010000;
constexpr std::uint32_t fixedFlagsMask = 0x3F;
constexpr std::uint32_t fileTypeApplication = 1;

void Put16(std::string& bytes, std::uint16_t value) {
    bytes += static_cast<char>(value & 0xFF);
    bytes += static_cast<char>(value >> 8);
}

void PadToFour(std::string& bytes) {
    while (bytes.size() % 4 != 0)
        bytes += '\0';
}

std::string Utf16Bytes(const std::string& text) {
    std::string bytes;
    for (char16_t unit : Utf16FromUtf8(text))
        Put16(bytes, unit);
    Put16(bytes, 0);
    return bytes;
}

struct Node {
    std::string key;
    std::uint16_t type = textNode;
    std::uint16_t valueLength = 0; // in characters for texts, in bytes otherwise
    std::string value;
    std::vector<Node> children;
};

// Appends the node at a four-byte boundary; its length leaves out the padding after it.
void Write(std::string& bytes, const Node& node) {
    PadToFour(bytes);
    size_t start = bytes.size();
    Put16(bytes, 0);
    Put16(bytes, node.valueLength);
    Put16(bytes, node.type);
    bytes += Utf16Bytes(node.key);
    PadToFour(bytes);
    bytes += node.value;
    for (const Node& child : node.children)
        Write(bytes, child);
    size_t length = bytes.size() - start;
    bytes[start] = static_cast<char>(length & 0xFF);
    bytes[start + 1] = static_cast<char>(length >> 8);
}

std::uint16_t Get16(const std::string& bytes, size_t at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[at]) |
                                      static_cast<unsigned char>(bytes[at + 1]) << 8);
}

// A node read back: where its value and its children lie.
struct NodeView {
    std::string key;
    std::uint16_t type = 0;
    size_t valueAt = 0;
    size_t valueSize = 0;
    size_t childrenAt = 0;
    size_t end = 0;
};

std::optional<NodeView> ReadNode(const std::string& block, size_t at, size_t limit) {
    if (at + 6 > limit)
        return std::nullopt;
    NodeView node;
    size_t length = Get16(block, at);
    std::uint16_t valueLength = Get16(block, at + 2);
    node.type = Get16(block, at + 4);
    node.end = at + length;
    if (length < 6 || node.end > limit)
        return std::nullopt;
    std::u16string key;
    size_t k = at + 6;
    for (;; k += 2) {
        if (k + 2 > node.end)
            return std::nullopt;
        char16_t unit = Get16(block, k);
        if (unit == 0)
            break;
        key += unit;
    }
    node.key = Utf8FromUtf16(key);
    // A value that claims more than its node holds is cut at the node's end.
    node.valueAt = std::min((k + 2 + 3) / 4 * 4, node.end);
    node.valueSize =
        std::min<size_t>(node.type == textNode ? 2u * valueLength : valueLength, node.end - node.valueAt);
    node.childrenAt = (node.valueAt + node.valueSize + 3) / 4 * 4;
    return node;
}

std::string ValueOf(const std::string& block, const NodeView& node) {
    if (node.type != textNode)
        return block.substr(node.valueAt, node.valueSize);
    std::u16string text;
    for (size_t k = node.valueAt; k + 2 <= node.valueAt + node.valueSize; k += 2) {
        char16_t unit = Get16(block, k);
        if (unit == 0)
            break;
        text += unit;
    }
    return Utf8FromUtf16(text);
}

std::vector<std::string> PathParts(const std::string& path) {
    std::vector<std::string> parts;
    std::string part;
    for (char c : path + "\\") {
        if (c != '\\') {
            part += c;
        } else if (!part.empty()) {
            parts.push_back(part);
            part.clear();
        }
    }
    return parts;
}

} // namespace

FixedVersionInfo FixedInfoOfVersion(const std::string& version) {
    unsigned major = 0, minor = 0, patch = 0;
    std::sscanf(version.c_str(), "%u.%u.%u", &major, &minor, &patch);
    std::uint32_t high = (major & 0xFFFF) << 16 | (minor & 0xFFFF);
    std::uint32_t low = (patch & 0xFFFF) << 16;
    return {FixedInfoSignature,
            fixedStructureVersion,
            high,
            low,
            high,
            low,
            fixedFlagsMask,
            0,
            0,
            fileTypeApplication,
            0,
            0,
            0};
}

std::string BuildVersionBlock(const VersionBlockContents& contents) {
    Node root{"VS_VERSION_INFO", binaryNode, 52, "", {}};
    for (std::uint32_t word : contents.fixed) {
        Put16(root.value, static_cast<std::uint16_t>(word & 0xFFFF));
        Put16(root.value, static_cast<std::uint16_t>(word >> 16));
    }
    char tableName[9];
    std::snprintf(tableName, sizeof tableName, "%04x%04x", contents.language, contents.codePage);
    Node table{tableName, textNode, 0, "", {}};
    for (const auto& [name, value] : contents.strings) {
        std::string text = Utf16Bytes(value);
        table.children.push_back({name, textNode, static_cast<std::uint16_t>(text.size() / 2), text, {}});
    }
    root.children.push_back({"StringFileInfo", textNode, 0, "", {table}});
    if (contents.withTranslation) {
        Node translation{"Translation", binaryNode, 4, "", {}};
        Put16(translation.value, contents.language);
        Put16(translation.value, contents.codePage);
        root.children.push_back({"VarFileInfo", textNode, 0, "", {translation}});
    }
    std::string bytes;
    Write(bytes, root);
    return bytes;
}

std::optional<std::string> QueryVersionValue(const std::string& block, const std::string& path) {
    std::optional<NodeView> node = ReadNode(block, 0, block.size());
    for (const std::string& part : PathParts(path)) {
        if (!node)
            return std::nullopt;
        size_t at = node->childrenAt;
        size_t end = node->end;
        node.reset();
        while (at < end) {
            std::optional<NodeView> child = ReadNode(block, at, end);
            if (!child)
                break;
            if (SameWithoutCase(child->key, part)) {
                node = child;
                break;
            }
            at = (child->end + 3) / 4 * 4;
        }
    }
    if (!node)
        return std::nullopt;
    return ValueOf(block, *node);
}
