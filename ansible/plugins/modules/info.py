#!/usr/bin/python
# -*- coding: utf-8 -*-

from __future__ import absolute_import, division, print_function

__metaclass__ = type

DOCUMENTATION = r"""
---
module: info
short_description: Read the configuration of a GSM gate opener
version_added: "1.7.2"
description:
  - Reads the settings and the authorized numbers of the device on a serial
    port of the managed host (C(gsmgate-cli config get)) into the result, in
    the configuration file's layout. Writes nothing.
  - The device password and the GPRS user name and password read C(***)
    unless I(show_secrets) is set.
requirements:
  - gsmgate-cli on the managed host (the gsmgate package)
  - PyYAML (python3-yaml) on the managed host
options:
  port:
    description: The device's serial port on the managed host, such as C(/dev/ttyUSB0).
    type: str
    required: true
  password:
    description: The device password, handed to the tool in its environment.
    type: str
  password_file:
    description: A file on the managed host whose first line is the device password (mode 0600).
    type: path
  show_secrets:
    description:
      - Return the device password and the GPRS user name and password as
        they are instead of C(***).
    type: bool
    default: false
  cli:
    description: Path of gsmgate-cli on the managed host; by default found in C(PATH).
    type: path
notes:
  - Supports check mode (it changes nothing either way).
seealso:
  - module: gsmgate.device.config
author:
  - gsmgate maintainers
"""

EXAMPLES = r"""
- name: What the device holds
  gsmgate.device.info:
    port: /dev/ttyUSB0
  register: device

- name: Its SIM card's number
  ansible.builtin.debug:
    msg: "{{ device.config.settings.sim_card_phone_no }}"

- name: Keep it as a site file on the controller
  ansible.builtin.copy:
    content: "{{ device.config | to_nice_yaml(sort_keys=false) }}"
    dest: "sites/{{ inventory_hostname }}.yaml"
  delegate_to: localhost
"""

RETURN = r"""
config:
  description:
    - The configuration as C(gsmgate-cli config get) writes it, C(format),
      C(version), C(settings) (every setting by its key, in the catalogue's
      order) and C(numbers) (the configured and erased slots).
    - Credentials read C(***) unless I(show_secrets).
  returned: success
  type: dict
  sample:
    format: gsmgate configuration
    version: 1
    settings: {password: "***", sim_card_phone_no: "+8613800138000", din1_type: "NO"}
    numbers:
      - {slot: 1, number: "+15555550100", always: true}
"""

from ansible.module_utils.basic import AnsibleModule
from ansible_collections.gsmgate.device.plugins.module_utils.gsmgate_cli import (
    CONNECTION_ARGS,
    CONNECTION_EXCLUSIVE,
    Cli,
    CliError,
    mask_secrets,
)


def main():
    argument_spec = dict(show_secrets=dict(type="bool", default=False))
    argument_spec.update(CONNECTION_ARGS)
    module = AnsibleModule(
        argument_spec=argument_spec,
        mutually_exclusive=CONNECTION_EXCLUSIVE,
        supports_check_mode=True,
    )
    try:
        config = Cli(module).read_configuration()
    except CliError as e:
        module.fail_json(msg=str(e))
    if not module.params["show_secrets"]:
        config = mask_secrets(config)
    module.exit_json(changed=False, config=config)


if __name__ == "__main__":
    main()
