// The executable's own versions of the C++ library's throw helpers: a bad request to a
// string or container still raises an exception that the program's handlers catch, with
// the library's message, and a request too large to hold is an allocation failure.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <new>
#include <string>
#include <vector>

namespace {

const char* MessageOf(void (*request)()) {
    try {
        request();
    } catch (const std::bad_alloc&) {
        return "bad_alloc";
    } catch (const std::exception& error) {
        return error.what();
    }
    return "nothing thrown";
}

TEST(LibraryThrows, AnIndexPastTheEndIsAnExceptionWithTheLibrarysMessage) {
    const char* substring = MessageOf([] { static_cast<void>(std::wstring(L"ab").substr(3)); });
    EXPECT_STREQ(substring, "basic_string::substr");
    const char* at = MessageOf([] { static_cast<void>(std::vector<int>(2).at(2)); });
    EXPECT_EQ(std::strncmp(at, "vector::_M_range_check", 22), 0) << at;
}

TEST(LibraryThrows, ARequestLargerThanAContainerCanHoldIsAnAllocationFailure) {
    EXPECT_STREQ(MessageOf([] { std::vector<int>().reserve(std::vector<int>().max_size() + 1); }), "bad_alloc");
    EXPECT_STREQ(MessageOf([] { std::wstring().reserve(std::wstring().max_size() + 1); }), "bad_alloc");
    EXPECT_STREQ(MessageOf([] { std::string(std::string().max_size(), 'x').push_back('y'); }), "bad_alloc");
}

TEST(LibraryThrows, TheStringFreeExceptionTypesAreKept) {
    EXPECT_THROW(std::function<void()>()(), std::bad_function_call);
    struct Base {
        virtual ~Base() = default;
    };
    struct Derived : Base {};
    Base base;
    Base& reference = base;
    EXPECT_THROW(static_cast<void>(dynamic_cast<Derived&>(reference)), std::bad_cast);
}

TEST(LibraryThrows, AStringStaysUsableAfterARefusedRequest) {
    std::wstring text = L"Apply";
    EXPECT_ANY_THROW(text.insert(9, L"x"));
    EXPECT_EQ(text, L"Apply");
    text += L"!";
    EXPECT_EQ(text, L"Apply!");
}

}  // namespace
