#include "form/GeneratorForm.h"

namespace shopcode {

const char* fieldName(Field field) {
  switch (field) {
    case Field::编辑框1:
      return "编辑框1";
    case Field::编辑框2:
      return "编辑框2";
    case Field::编辑框3:
      return "编辑框3";
    case Field::编辑框4:
      return "编辑框4";
    case Field::编辑框5:
      return "编辑框5";
    case Field::编辑框6:
      return "编辑框6";
    case Field::编辑框7:
      return "编辑框7";
    case Field::编辑框8:
      return "编辑框8";
    case Field::编辑框9:
      return "编辑框9";
    case Field::编辑框10:
      return "编辑框10";
    case Field::编辑框11:
      return "编辑框11";
    case Field::编辑框12:
      return "编辑框12";
    case Field::编辑框13:
      return "编辑框13";
    case Field::编辑框14:
      return "编辑框14";
    case Field::编辑框15:
      return "编辑框15";
    case Field::编辑框宽度:
      return "编辑框宽度";
    case Field::编辑框高度:
      return "编辑框高度";
  }
  return "?";
}

}  // namespace shopcode
