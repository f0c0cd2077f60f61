#pragma once

#include "platform/version_block.h"

// A version block's contents as the build writes them, with texts beyond ASCII; with or without the
// translation table that a reader looks its strings up by.
inline VersionBlockContents SampleVersionBlock(bool withTranslation) {
    return {
        .fixed = FixedInfoOfVersion("2.10.3"),
        .language = 0x0409,
        .codePage = 0x04b0,
        .withTranslation = withTranslation,
        .strings = {{"ProductVersion", "2.10.3"}, {"LegalCopyright", "\xC2\xA9 Pit Crew \xF0\x9F\x8F\x81"}}};
}
