#include "ui/configuration.h"

#include "platform/sys/ostatni_api.h"

std::string optionsPath(const std::string& windowsDirectory)
{
    return windowsDirectory + platform::ostatni_API::pathSeparator() + "options.ini";
}

std::string Configuration::optionsPath() const { return ::optionsPath(windowsDirectory); }
