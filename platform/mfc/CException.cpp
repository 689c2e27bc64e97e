#include "platform/mfc/CException.h"

#include <algorithm>
#include <cstring>

BOOL CException::GetErrorMessage(char* buffer, UINT maxLength, UINT* helpContext) const {
    if (helpContext)
        *helpContext = 0;
    if (!buffer || maxLength == 0)
        return FALSE;
    std::size_t n = std::min<std::size_t>(m_message.size(), maxLength - 1);
    std::memcpy(buffer, m_message.data(), n);
    buffer[n] = '\0';
    return m_message.empty() ? FALSE : TRUE;
}
