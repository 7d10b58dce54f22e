#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Agreement of gridora-solve --rate with a reference rater's output (lines "<puzzle> ER/EP/ED ..."
after the steps "<rating> <technique>: ...", or "<puzzle> ER/EP/ED <hardest technique>"): shares of
equal ER, ER within 0.2, and the disagreements by technique.
rating_agreement.py LOG [-v]  (GRIDORA_SOLVE: the solver to run)"""
import collections
import json
import re
import os
import subprocess
import sys
log, = sys.argv[1:2]
steps=[]; ref=[]
for line in open(log):
    line=line.rstrip('\n')
    parts=line.split(' ')
    if len(parts[0])==81 and '/' in parts[1]:
        er,ep,ed=parts[1].split('/')
        rest=' '.join(parts[2:])
        if not steps and rest and not re.fullmatch(r'(\d+h)?(\d+m)?([\d.]+s)?',rest):
            steps=[(float(er),rest)]
        ref.append((parts[0],float(er),float(ep),float(ed),steps)); steps=[]
    else:
        try: r=float(parts[0])
        except: continue
        steps.append((r,' '.join(parts[1:])))
inp='\n'.join(p[0] for p in ref)+'\n'
out=subprocess.run([os.environ.get('GRIDORA_SOLVE', 'build/src/app/gridora-solve'),'--rate','--json','-j','1'],input=inp,capture_output=True,text=True).stdout.splitlines()
exact=near=0; dis=collections.Counter(); epok=edok=0
for (p,er,ep,ed,st),o in zip(ref,out):
    j=json.loads(o)
    if abs(j['rating']-er)<0.05: exact+=1
    if abs(j['rating']-er)<0.25: near+=1
    if abs(j['pearl']-ep)<0.05: epok+=1
    if abs(j['diamond']-ed)<0.05: edok+=1
    if abs(j['rating']-er)>=0.05:
        hardest=max(st,key=lambda s:s[0]) if st else (0,'')
        dis[(hardest[1].split(':')[0], j['technique'])]+=1
        if '-v' in sys.argv:
            print(p, 'SE', er, hardest[1][:60], '| ours', j['rating'], j['technique'], j['solved'])
n=len(ref)
print(f"puzzles {n} exact {exact} ({100*exact/n:.1f}%) within0.2 {near} ({100*near/n:.1f}%) EP {epok} ED {edok}")
for k,v in dis.most_common(): print(v,k)
