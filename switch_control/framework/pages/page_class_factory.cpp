#include "switch_control/framework/pages/page_class_factory.h"

namespace tumbler::framework {
namespace {

// A child that lives and dies with the counted object.
class ModuleObjectToken : public QObject {
  public:
    ModuleObjectToken(QObject* object, ModuleState& module) : QObject(object), module_(module) {
        module_.ObjectCreated();
    }
    ~ModuleObjectToken() override { module_.ObjectDestroyed(); }

  private:
    ModuleState& module_;
};

}  // namespace

void CountAsModuleObject(QObject* object, ModuleState& module) {
    new ModuleObjectToken(object, module);
}

}  // namespace tumbler::framework
