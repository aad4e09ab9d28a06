// CDocManager: the application's document templates, in the order they were added.
#pragma once

#include "AfxDocTemplate.h"

#include <vector>

class CDocManager
{
public:
    ~CDocManager();
    std::vector<CDocTemplate*> m_templates;  // owned
};
