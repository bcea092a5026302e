#include "moduledata/module_choice.h"

const Result<ModuleStructure>& ModuleChoice::structure(const QString& folderNCS)
{
    if (!m_structure)
        m_structure = ReadModuleStructure(folderNCS, chassis, module);
    return *m_structure;
}
