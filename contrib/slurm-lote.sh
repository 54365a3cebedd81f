#!/usr/bin/env bash
# A Slurm job array over the shards of a batch: task K of the array runs shard K of N with as
# many designs at a time as the cores Slurm gave it.
#
#   sbatch --array=1-16 --cpus-per-task=8 contrib/slurm-lote.sh MANIFIESTO DIR
#
# N is the size of the array, K the task's position in it (so --array=0-15 works as well).
# MANIFIESTO and DIR must be on a file system that every node sees. When all tasks have ended,
# join the summaries:  contrib/unir-resumenes.sh DIR 16  (or submit that as a job with
# --dependency=afterany:<array job id>).
#
#SBATCH --job-name=envolvente-lote
#SBATCH --cpus-per-task=4
#SBATCH --time=02:00:00
#SBATCH --output=envolvente-lote-%A_%a.out
set -euo pipefail
[ $# -eq 2 ] || { echo "uso: sbatch --array=1-N $0 MANIFIESTO DIR" >&2; exit 2; }
k=$((SLURM_ARRAY_TASK_ID - ${SLURM_ARRAY_TASK_MIN:-1} + 1))
n=${SLURM_ARRAY_TASK_COUNT:?lanzar con sbatch --array}
exec "${ENVOLVENTE:-envolvente}" --lote "$1" --parte "$k/$n" -d "$2" -q \
    -j "${SLURM_CPUS_PER_TASK:-1}"
