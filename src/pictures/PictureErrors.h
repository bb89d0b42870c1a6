// A picture that cannot be read as its kind; the preview swallows these.
#pragma once

#include "platform/Exceptions.h"

namespace pictures {

class EInvalidGraphic : public platform::Exception {
 public:
  using Exception::Exception;
};
class EJPEG : public EInvalidGraphic {
 public:
  using EInvalidGraphic::EInvalidGraphic;
};

}  // namespace pictures
