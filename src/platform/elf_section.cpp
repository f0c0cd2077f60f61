#include "platform/elf_section.h"

#include "platform/host_path.h"

#include <cstring>
#include <elf.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// An open file that reads exactly the bytes asked for, or fails.
class FileReader {
public:
    explicit FileReader(const std::string& path) : m_fd(open(HostPath(path).c_str(), O_RDONLY | O_CLOEXEC)) {
        struct stat info;
        if (m_fd >= 0 && fstat(m_fd, &info) == 0 && S_ISREG(info.st_mode))
            m_size = static_cast<unsigned long long>(info.st_size);
    }
    ~FileReader() {
        if (m_fd >= 0)
            close(m_fd);
    }
    FileReader(const FileReader&) = delete;
    FileReader& operator=(const FileReader&) = delete;

    bool Read(unsigned long long offset, size_t size, void* into) const {
        if (offset > m_size || size > m_size - offset)
            return false;
        size_t done = 0;
        while (done < size) {
            ssize_t got =
                pread(m_fd, static_cast<char*>(into) + done, size - done, static_cast<off_t>(offset + done));
            if (got <= 0)
                return false;
            done += static_cast<size_t>(got);
        }
        return true;
    }

    unsigned long long Size() const { return m_size; }

private:
    int m_fd;
    unsigned long long m_size = 0;
};

} // namespace

std::optional<std::string> ReadElfSection(const std::string& path, const std::string& sectionName,
                                          size_t limit) {
    FileReader file(path);
    Elf64_Ehdr header;
    if (!file.Read(0, sizeof header, &header) || std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0 ||
        header.e_ident[EI_CLASS] != ELFCLASS64 || header.e_ident[EI_DATA] != ELFDATA2LSB ||
        header.e_shentsize != sizeof(Elf64_Shdr) || header.e_shstrndx >= header.e_shnum)
        return std::nullopt;
    std::vector<Elf64_Shdr> sections(header.e_shnum);
    if (!file.Read(header.e_shoff, sections.size() * sizeof(Elf64_Shdr), sections.data()))
        return std::nullopt;
    const Elf64_Shdr& names = sections[header.e_shstrndx];
    if (names.sh_type == SHT_NOBITS || names.sh_size > file.Size())
        return std::nullopt;
    std::string nameTable(names.sh_size, '\0');
    if (!file.Read(names.sh_offset, nameTable.size(), nameTable.data()))
        return std::nullopt;
    for (const Elf64_Shdr& section : sections) {
        if (section.sh_name >= nameTable.size() || nameTable.c_str() + section.sh_name != sectionName)
            continue;
        if (section.sh_type == SHT_NOBITS || section.sh_size > limit)
            return std::nullopt;
        std::string bytes(section.sh_size, '\0');
        if (!file.Read(section.sh_offset, bytes.size(), bytes.data()))
            return std::nullopt;
        return bytes;
    }
    return std::nullopt;
}
