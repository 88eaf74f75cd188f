#include "foundation/KR_Exception.h"

EKR_Exception::EKR_Exception(const QString& message) : std::runtime_error(message.toStdString())
{
}
