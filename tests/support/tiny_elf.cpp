#include "support/tiny_elf.h"

#include <cstring>
#include <elf.h>

std::string TinyElf(const std::vector<std::pair<std::string, std::string>>& sections) {
    std::string names(1, '\0');
    std::string data;
    std::vector<Elf64_Shdr> headers(1);
    auto add = [&](const std::string& name, const std::string& bytes, Elf64_Word type) {
        Elf64_Shdr header{};
        header.sh_name = static_cast<Elf64_Word>(names.size());
        header.sh_type = type;
        header.sh_offset = sizeof(Elf64_Ehdr) + data.size();
        header.sh_size = bytes.size();
        names += name + '\0';
        data += bytes;
        headers.push_back(header);
    };
    for (const auto& [name, bytes] : sections)
        add(name, bytes, SHT_PROGBITS);
    std::string namesBefore = names + ".shstrtab" + '\0';
    add(".shstrtab", namesBefore, SHT_STRTAB);

    Elf64_Ehdr file{};
    std::memcpy(file.e_ident, ELFMAG, SELFMAG);
    file.e_ident[EI_CLASS] = ELFCLASS64;
    file.e_ident[EI_DATA] = ELFDATA2LSB;
    file.e_ident[EI_VERSION] = EV_CURRENT;
    file.e_type = ET_EXEC;
    file.e_machine = EM_X86_64;
    file.e_version = EV_CURRENT;
    file.e_ehsize = sizeof(Elf64_Ehdr);
    file.e_shoff = sizeof(Elf64_Ehdr) + data.size();
    file.e_shentsize = sizeof(Elf64_Shdr);
    file.e_shnum = static_cast<Elf64_Half>(headers.size());
    file.e_shstrndx = static_cast<Elf64_Half>(headers.size() - 1);
    std::string bytes(reinterpret_cast<const char*>(&file), sizeof file);
    bytes += data;
    bytes.append(reinterpret_cast<const char*>(headers.data()), headers.size() * sizeof(Elf64_Shdr));
    return bytes;
}
