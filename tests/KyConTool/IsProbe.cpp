// Asks the Indexing Service for its catalogs once and prints what came of
// it, so that tests can see how a process without a usable query library
// fails: "ok <count>", "os_error <code>", or "other <text>".
#include "KyConTool/IndexingService/IndexingServiceCatalogs.h"
#include "KyStd/Core/Errors.h"

#include <cstdio>
#include <exception>

int main()
{
    try {
        Kyvant::IndexingService::CatalogMap catalogs;
        unsigned n = Kyvant::IndexingService::MapAllCatalogs("\\", catalogs);
        std::printf("ok %u\n", n);
        return 0;
    } catch (const Kyvant::os_error& e) {
        std::printf("os_error %lu\n", e.code());
        return 1;
    } catch (const std::exception& e) {
        std::printf("other %s\n", e.what());
        return 2;
    } catch (...) {
        std::printf("other\n");
        return 3;
    }
}
