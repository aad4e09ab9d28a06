// Export macro of the replace engine's library.
#pragma once

#ifdef KyPerlGlue_BUILD
#define KYPERLGLUE_API __declspec(dllexport)
#else
#define KYPERLGLUE_API __declspec(dllimport)
#endif
