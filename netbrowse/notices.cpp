#include "netbrowse/notices.h"

namespace {

const char* const TITLES[] = {"ERROR", "WARNING", "NETWORK ERROR"};

const char* const TEXTS[] = {
    "Insufficient memory for buffer allocation",
    "Insufficient system resources to complete the operation",
    "Cannot open the registry key needed to obtain network provider names",
    "Cannot read the registry key needed to obtain network provider names",
    "Client for Microsoft Network is not present",
    "You have insufficient rights to view objects in the selected domain",
    "You have insufficient rights to view objects on the selected host",
    "Failure encountered in attempt to load an icon",
    "Failure encountered in attempt to add an icon to the list control",
    "Failed to create the image list for the control",
};

void append(std::u16string* out, const char* text) {
    for (; *text; ++text) out->push_back(char16_t(static_cast<unsigned char>(*text)));
}

void append_number(std::u16string* out, uint32_t number) {
    char16_t digits[10];
    int count = 0;
    do {
        digits[count++] = char16_t(u'0' + number % 10);
        number /= 10;
    } while (number);
    while (count) out->push_back(digits[--count]);
}

std::u16string widen(const char* text) {
    std::u16string out;
    append(&out, text);
    return out;
}

}  // namespace

const char* notice_title(NoticeTitle title) { return TITLES[title]; }
const char* notice_text(NoticeText text) { return TEXTS[text]; }

void show_notice(const Notices& notices, NoticeTitle title, NoticeText text) {
    notices.show(notices.context, title, widen(notice_text(text)).c_str());
}

std::u16string network_error_text(const NetworkDirectory& directory, uint32_t error, TargetKind target) {
    if (error == NET_ERROR_LOGON_FAILURE)
        return widen(notice_text(target == TARGET_DOMAIN ? TEXT_RIGHTS_DOMAIN : TEXT_RIGHTS_HOST));
    if (error == NET_ERROR_NO_DOMAIN_CONTROLLER) return widen(notice_text(TEXT_RIGHTS_HOST));
    uint32_t code = 0;
    NetName text, provider;
    std::u16string out;
    if (directory.extended_error(directory.context, &code, &text, &provider)) {
        append(&out, "Provider: ");
        out += provider.text;
        append(&out, "\nError code: ");
        append_number(&out, code);
        append(&out, "\nError:");
        out += text.text;
        return out;
    }
    append(&out, "Network error ");
    append_number(&out, error);
    return out;
}

NoticeText provider_failure_text(ProviderStatus status) {
    switch (status) {
        case PROVIDER_ABSENT: return TEXT_NO_CLIENT;
        case PROVIDER_OPEN_FAILED: return TEXT_REGISTRY_OPEN;
        default: return TEXT_REGISTRY_READ;
    }
}
