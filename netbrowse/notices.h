// The library's messages to the person at the keyboard: fixed texts with
// their titles, and the text of a network failure.
#pragma once

#include <stdint.h>

#include <string>

#include "netbrowse/directory.h"

enum NoticeTitle {
    NOTICE_ERROR,          // "ERROR", stop icon
    NOTICE_WARNING,        // "WARNING", exclamation icon
    NOTICE_NETWORK_ERROR,  // "NETWORK ERROR", stop icon
};

enum NoticeText {
    TEXT_NO_MEMORY,
    TEXT_NO_RESOURCES,
    TEXT_REGISTRY_OPEN,
    TEXT_REGISTRY_READ,
    TEXT_NO_CLIENT,
    TEXT_RIGHTS_DOMAIN,
    TEXT_RIGHTS_HOST,
    TEXT_ICON_LOAD,
    TEXT_ICON_ADD,
    TEXT_IMAGE_LIST,
};

const char* notice_title(NoticeTitle title);
const char* notice_text(NoticeText text);

// Where messages go: message boxes in the library, a recorder in tests.
struct Notices {
    void* context;
    void (*show)(void* context, NoticeTitle title, const char16_t* text);
};

void show_notice(const Notices& notices, NoticeTitle title, NoticeText text);

// Whether a failure concerns a domain or a host: the texts differ.
enum TargetKind { TARGET_DOMAIN = 4, TARGET_HOST = 5 };

// The message for a failed network call: the rights text for a refused
// logon, the host text when no domain controller answers, else the
// provider's own account of the failure, else the bare code.
std::u16string network_error_text(const NetworkDirectory& directory, uint32_t error, TargetKind target);
// The message for a provider name that could not be had.
NoticeText provider_failure_text(ProviderStatus status);
