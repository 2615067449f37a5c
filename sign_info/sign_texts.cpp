#include "sign_info/sign_texts.h"

#include "engine/tform2.h"

QString userSignTextPath(const TForm2 &engine, System system)
{
    return signTextPath(engine.Edit15, system, engine.*systemInfo(system).keyField);
}
