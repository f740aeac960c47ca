#include "T_kolejka.h"

#include <cstring>

T_kolejka::T_kolejka(int nCapacity)
    : m_pData(nullptr), m_nLength(0), m_nCapacity(nCapacity < 0 ? 0 : nCapacity)
{
    m_pData = new char[m_nCapacity + 1]();
}

T_kolejka::~T_kolejka()
{
    delete[] m_pData;
}

bool T_kolejka::Dodaj(char c)
{
    if (m_nLength >= m_nCapacity)
        return false;
    m_pData[m_nLength++] = c;
    return true;
}

char T_kolejka::Pobierz()
{
    if (m_nLength == 0)
        return 0;
    const char c = m_pData[0];
    --m_nLength;
    std::memmove(m_pData, m_pData + 1, m_nLength);
    m_pData[m_nLength] = 0;
    return c;
}
