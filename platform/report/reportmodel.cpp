#include "platform/report/reportmodel.h"

namespace orva::platform::report {

ReportObject* Report::findObject(const QString& name, Band** band) {
    for (ReportPage& page : pages)
        for (Band& b : page.bands)
            for (ReportObject& object : b.objects)
                if (object.name.compare(name, Qt::CaseInsensitive) == 0) {
                    if (band)
                        *band = &b;
                    return &object;
                }
    return nullptr;
}

bool Report::takeObject(const QString& name, ReportObject& out) {
    Band* band = nullptr;
    ReportObject* object = findObject(name, &band);
    if (!object)
        return false;
    out = *object;
    band->objects.erase(band->objects.begin() + (object - band->objects.data()));
    return true;
}

} // namespace orva::platform::report
