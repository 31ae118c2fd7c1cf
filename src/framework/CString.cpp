#include "CString.h"

#include "Resources.h"

bool CString::LoadString(unsigned id)
{
    m_text = framework::LoadStringResource(id);
    return !m_text.empty();
}
