// The maker's home-page address: opened by the Homepage button and shown in the credits.
#pragma once

namespace app {

inline constexpr wchar_t kHomePageAddress[] = L"http://www.olvenar.com/";

}  // namespace app
