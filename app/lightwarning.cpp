#include "app/lightwarning.h"

LightWarning::LightWarning(Settings &settings)
    : settings(settings)
{
}

bool LightWarning::visualizerCheckedAtStart() const
{
    return settings.lightWarningAnswer() != LightWarningAnswer::Declined;
}

LightWarning::Step LightWarning::lightWanted(From from) const
{
    if (from == From::Desktop)
        return Step::PlayWithoutLight;
    return settings.lightWarningAnswer() == LightWarningAnswer::Accepted ? Step::ShowLight
                                                                         : Step::AskFirst;
}

void LightWarning::answer(bool showLight)
{
    settings.setLightWarningAnswer(showLight ? LightWarningAnswer::Accepted
                                             : LightWarningAnswer::Declined);
}
