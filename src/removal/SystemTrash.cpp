#include "SystemTrash.h"

#ifdef __APPLE__

// Plain C++ talking to Foundation through the Objective-C runtime, so the core library needs
// no Objective-C++ sources. CFURL and NSURL, CFString and NSString are toll-free bridged.
#include <CoreFoundation/CoreFoundation.h>
#include <objc/message.h>
#include <objc/runtime.h>
#include <string>
#include <vector>

extern "C" void* objc_autoreleasePoolPush(void);
extern "C" void objc_autoreleasePoolPop(void* pool);

namespace orvelane::SystemTrash {
namespace {

std::string utf8Text(CFStringRef text)
{
    if (text == nullptr)
        return {};
    const CFIndex capacity =
        CFStringGetMaximumSizeForEncoding(CFStringGetLength(text), kCFStringEncodingUTF8) + 1;
    std::vector<char> buffer(static_cast<std::size_t>(capacity));
    if (!CFStringGetCString(text, buffer.data(), capacity, kCFStringEncodingUTF8))
        return {};
    return buffer.data();
}

} // namespace

RemovalResult moveToTrash(const std::filesystem::path& item, bool isDirectory)
{
    const std::string& bytes = item.native();
    CFURLRef url = CFURLCreateFromFileSystemRepresentation(kCFAllocatorDefault,
                                                           reinterpret_cast<const UInt8*>(bytes.data()),
                                                           static_cast<CFIndex>(bytes.size()), isDirectory);
    if (url == nullptr)
        return {RemovalFailure::invalidPath, {}};

    void* pool = objc_autoreleasePoolPush(); // the error object is autoreleased; workers have no pool
    // objc_getClass is declared returning id in some SDKs and Class in others.
    id managerClass = reinterpret_cast<id>(objc_getClass("NSFileManager"));
    id manager =
        reinterpret_cast<id (*)(id, SEL)>(objc_msgSend)(managerClass, sel_registerName("defaultManager"));
    id error = nullptr;
    const BOOL moved = reinterpret_cast<BOOL (*)(id, SEL, id, id*, id*)>(objc_msgSend)(
        manager, sel_registerName("trashItemAtURL:resultingItemURL:error:"),
        reinterpret_cast<id>(const_cast<void*>(static_cast<const void*>(url))), nullptr, &error);
    RemovalResult result;
    if (!moved) {
        id description = error == nullptr ? nullptr
                                          : reinterpret_cast<id (*)(id, SEL)>(objc_msgSend)(
                                                error, sel_registerName("localizedDescription"));
        std::string text = utf8Text(reinterpret_cast<CFStringRef>(description));
        result.failure = text.empty() ? std::string("The item could not be moved to the Trash.") : text;
    }
    objc_autoreleasePoolPop(pool);
    CFRelease(url);
    return result;
}

} // namespace orvelane::SystemTrash

#endif // __APPLE__
