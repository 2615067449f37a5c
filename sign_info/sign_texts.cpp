#include "sign_info/sign_texts.h"

#include "engine/tform2.h"

QString TForm2::*signKeyField(System system)
{
    switch (system) {
    case System::Zodiac:
        return &TForm2::Edit8;
    case System::Chinese:
        return &TForm2::Edit7;
    case System::Japanese:
        return &TForm2::Edit9;
    case System::Druid:
        return &TForm2::Edit10;
    case System::Flower:
        return &TForm2::Edit12;
    case System::Mythological:
        return &TForm2::Edit11;
    case System::Aryan:
        break;
    }
    return &TForm2::Edit13;
}

QString userSignTextPath(const TForm2 &engine, System system)
{
    return signTextPath(engine.Edit15, system, engine.*signKeyField(system));
}
