/* Points the load-configuration entry in the header of a 32-bit PE image at its ".lcfg" section, which holds
 * the image's load configuration: the GNU linker of Debian 12 (binutils 2.40) does not fill that entry.
 * Usage: set-load-config <image>. Exit status 0 once the entry is set (also when it was already), 1 on any
 * failure, with a message. A host program: it runs at build time, after the cross linker. */
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

enum {
    kPeSignature = 0x00004550,
    kMachineI386 = 0x014c,
    kMagicPe32 = 0x010b,
    kLoadConfigEntry = 10,
    kSectionHeaderSize = 40,
};

static uint32_t Read32(const unsigned char* at) {
    return (uint32_t)at[0] | (uint32_t)at[1] << 8 | (uint32_t)at[2] << 16 | (uint32_t)at[3] << 24;
}

static uint16_t Read16(const unsigned char* at) {
    return (uint16_t)(at[0] | at[1] << 8);
}

static void Write32(unsigned char* at, uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        at[i] = (unsigned char)(value >> (8 * i));
    }
}

/* The PE checksum: the file's 16-bit words summed with end-around carry, its own field taken as zero, plus
 * the file's length. */
static uint32_t Checksum(const unsigned char* image, size_t size, size_t checksumOffset) {
    uint32_t sum = 0;
    for (size_t i = 0; i < size; i += 2) {
        if (i == checksumOffset || i == checksumOffset + 2) {
            continue;
        }
        sum += i + 1 < size ? Read16(image + i) : image[i];
        sum = (sum & 0xFFFF) + (sum >> 16);
    }
    return sum + (uint32_t)size;
}

static int Fail(const char* path, const char* why) {
    fprintf(stderr, "set-load-config: %s: %s\n", path, why);
    return 1;
}

int main(int argc, char** argv) {
    if (argc != 2) {
        fprintf(stderr, "usage: %s <image>\n", argv[0]);
        return 1;
    }
    const char* path = argv[1];
    FILE* file = fopen(path, "rb");
    if (file == NULL) {
        return Fail(path, "cannot be read");
    }
    fseek(file, 0, SEEK_END);
    const long length = ftell(file);
    fseek(file, 0, SEEK_SET);
    unsigned char* image = length > 0 ? malloc((size_t)length) : NULL;
    const size_t size = image != NULL ? fread(image, 1, (size_t)length, file) : 0;
    fclose(file);
    if (image == NULL || size != (size_t)length || size < 0x40) {
        free(image);
        return Fail(path, "cannot be read");
    }

    const uint32_t pe = Read32(image + 0x3C);
    if (pe > size - 24 || Read32(image + pe) != kPeSignature || Read16(image + pe + 4) != kMachineI386) {
        free(image);
        return Fail(path, "not a 32-bit x86 PE image");
    }
    const uint16_t sections = Read16(image + pe + 6);
    const uint16_t optionalSize = Read16(image + pe + 20);
    const size_t optional = pe + 24;
    const size_t sectionTable = optional + optionalSize;
    if (optionalSize < 96 + 8 * (kLoadConfigEntry + 1) || Read16(image + optional) != kMagicPe32 ||
        Read32(image + optional + 92) <= kLoadConfigEntry ||
        sectionTable + (size_t)sections * kSectionHeaderSize > size) {
        free(image);
        return Fail(path, "no room for a load-configuration entry");
    }

    const unsigned char* section = NULL;
    for (uint16_t i = 0; i < sections && section == NULL; ++i) {
        const unsigned char* header = image + sectionTable + (size_t)i * kSectionHeaderSize;
        if (memcmp(header, ".lcfg\0\0\0", 8) == 0) {
            section = header;
        }
    }
    if (section == NULL) {
        free(image);
        return Fail(path, "no .lcfg section");
    }
    const uint32_t virtualSize = Read32(section + 8);
    const uint32_t rva = Read32(section + 12);
    const uint32_t rawSize = Read32(section + 16);
    const uint32_t raw = Read32(section + 20);
    const uint32_t configSize = raw <= size - 4 && rawSize >= 4 ? Read32(image + raw) : 0;
    if (configSize < 64 || configSize > rawSize || configSize > virtualSize || raw + configSize > size) {
        free(image);
        return Fail(path, "the .lcfg section holds no load configuration");
    }

    /* Loaders before Windows Vista take a 32-bit load configuration only with the entry's size 64; later
     * ones take 64 or the structure's own size, which says how much of it there is. As binutils does once it
     * fills the entry: 64 for images that declare themselves fit for Windows XP or earlier. */
    const unsigned subsystemVersion = Read16(image + optional + 48) * 256u + Read16(image + optional + 50);
    unsigned char* entry = image + optional + 96 + 8 * kLoadConfigEntry;
    Write32(entry, rva);
    Write32(entry + 4, subsystemVersion <= 0x0501 ? 64 : configSize);
    const size_t checksumOffset = optional + 64;
    if (Read32(image + checksumOffset) != 0) {
        Write32(image + checksumOffset, Checksum(image, size, checksumOffset));
    }

    file = fopen(path, "wb");
    const int written = file != NULL && fwrite(image, 1, size, file) == size;
    if (file != NULL && fclose(file) != 0) {
        free(image);
        return Fail(path, "cannot be written");
    }
    free(image);
    return written ? 0 : Fail(path, "cannot be written");
}
